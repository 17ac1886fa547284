#include "gui/app/SingleInstance.h"

#include "core/platform/Paths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <unistd.h>

namespace {
const char kRaise[] = "raise\n";
}

CSingleInstance::CSingleInstance(const Paths& paths, QObject* parent)
    : QObject(parent), m_lock(std::make_unique<QLockFile>(QString::fromStdString(paths.LockFile()))) {
    // Per user and per data directory, so separate test directories never meet.
    const QByteArray key =
        QCryptographicHash::hash(QByteArray::fromStdString(paths.DataDir()), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    m_serverName = QStringLiteral("corvellan-%1-%2").arg(::getuid()).arg(QString::fromLatin1(key));
    // A live holder keeps its lock however long it runs; only a dead holder's lock is stale.
    m_lock->setStaleLockTime(0);
    connect(&m_server, &QLocalServer::newConnection, this, &CSingleInstance::OnNewConnection);
}

CSingleInstance::~CSingleInstance() {
    m_server.close();
    m_lock->unlock();
}

bool CSingleInstance::Acquire(int timeoutMs) {
    QDir().mkpath(QFileInfo(m_lock->fileName()).absolutePath());
    if (!m_lock->tryLock(timeoutMs)) {
        // Only "someone else holds it" means another instance; an unwritable directory must not
        // keep the user from timing calls.
        if (m_lock->error() == QLockFile::LockFailedError)
            return false;
    }
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
