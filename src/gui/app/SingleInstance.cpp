#include "gui/app/SingleInstance.h"

#include "core/platform/Paths.h"

#include <QCryptographicHash>
#include <QLocalSocket>
#include <unistd.h>

namespace {
const char kRaise[] = "raise\n";
}

CSingleInstance::CSingleInstance(const Paths& paths, QObject* parent)
    : QObject(parent), m_lock(paths, LockHolder::Window) {
    // Per user and per data directory, so separate test directories never meet.
    const QByteArray key =
        QCryptographicHash::hash(QByteArray::fromStdString(paths.DataDir()), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    m_serverName = QStringLiteral("corvellan-%1-%2").arg(::getuid()).arg(QString::fromLatin1(key));
    connect(&m_server, &QLocalServer::newConnection, this, &CSingleInstance::OnNewConnection);
}

CSingleInstance::~CSingleInstance() {
    m_server.close();
}

bool CSingleInstance::Acquire(int timeoutMs) {
    const CDataLock::Result result = m_lock.Acquire(std::chrono::milliseconds(timeoutMs));
    if (result == CDataLock::Result::HeldByWindow || result == CDataLock::Result::HeldByCommand)
        return false;
    QLocalServer::removeServer(m_serverName); // a socket left behind by a crashed instance
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(m_serverName);
    return true;
}

bool CSingleInstance::RaiseRunningInstance() {
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(2000))
        return false;
    socket.write(kRaise);
    const bool sent = socket.waitForBytesWritten(2000);
    socket.disconnectFromServer();
    return sent;
}

void CSingleInstance::OnNewConnection() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains("raise"))
                emit raiseRequested();
        });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
}
