// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/system/ControlServer.h"

#include "core/automation/ControlProtocol.h"
#include "core/automation/ControlResponder.h"

#include <QSocketNotifier>
#include <QTimer>
#include <unistd.h>

namespace {
// More clients at once wait in the listening socket's queue, so file descriptors never run out.
constexpr int kMostClients = 256;
// After a failed accept (no file descriptor left) the listening socket stays readable; look again
// later rather than spin.
constexpr int kAcceptRetryMs = 200;
} // namespace

// One connection: its request line, its reply, its deadline.
class CControlServer::Client : public QObject {
public:
    Client(CUnixSocket socket, CControlServer& server)
        : QObject(&server), m_socket(std::move(socket)), m_server(server),
          m_read(m_socket.Fd(), QSocketNotifier::Read), m_write(m_socket.Fd(), QSocketNotifier::Write) {
        m_write.setEnabled(false);
        m_deadline.setSingleShot(true);
        connect(&m_read, &QSocketNotifier::activated, this, [this] { OnReadable(); });
        connect(&m_write, &QSocketNotifier::activated, this, [this] { OnWritable(); });
        connect(&m_deadline, &QTimer::timeout, this, [this] { OnDeadline(); });
        m_deadline.start(static_cast<int>(kControlTimeout.count()));
        const std::optional<uid_t> peer = m_socket.PeerUid();
        if (!peer || !IsPeerAllowed(*peer, ::getuid())) {
            m_read.setEnabled(false);
            Reply(ErrorReply("this Corvellan belongs to another user"));
        }
    }

private:
    void OnReadable() {
        const std::size_t room = kControlLineLimit + 1 - std::min(m_received.size(), kControlLineLimit);
        const CUnixSocket::Io io = m_socket.Read(m_received, room);
        if (const std::size_t end = m_received.find('\n'); end != std::string::npos)
            return Answer(end);
        if (m_received.size() > kControlLineLimit)
            return Answer(m_received.size());
        if (io == CUnixSocket::Io::Closed && !m_received.empty())
            return Answer(m_received.size()); // the client shut its side after the line
        if (io == CUnixSocket::Io::Closed || io == CUnixSocket::Io::Failed)
            Finish();
    }

    void Answer(std::size_t lineEnd) {
        // Nothing more is read, and no deadline strikes, while the request is carried out: it may
        // open a message box (a Calls.log that cannot be written) whose loop serves other clients.
        m_read.setEnabled(false);
        m_deadline.stop();
        if (lineEnd > kControlLineLimit)
            return Reply(ErrorReply("request longer than " + std::to_string(kControlLineLimit) + " bytes"));
        const CControlResponder::Answer answer =
            m_server.m_responder.Respond(std::string_view(m_received).substr(0, lineEnd));
        if (answer.raise)
            emit m_server.raiseRequested();
        Reply(answer.reply);
    }

    void Reply(const std::string& line) {
        m_reply = line + "\n";
        m_rest = m_reply;
        m_answered = true;
        m_deadline.start(static_cast<int>(kControlTimeout.count())); // for a client that does not read
        OnWritable();
    }

    void OnWritable() {
        const CUnixSocket::Io io = m_socket.Write(m_rest);
        if (m_rest.empty() || io == CUnixSocket::Io::Closed || io == CUnixSocket::Io::Failed)
            return Finish();
        m_write.setEnabled(true);
    }

    void OnDeadline() {
        if (m_answered)
            return Finish();
        m_read.setEnabled(false);
        Reply(ErrorReply("no request line within " + std::to_string(kControlTimeout.count() / 1000) +
                         " seconds"));
    }

    void Finish() {
        if (m_finished)
            return;
        m_finished = true;
        // Notifiers off before their descriptor is closed.
        m_read.setEnabled(false);
        m_write.setEnabled(false);
        m_deadline.stop();
        m_socket.Close();
        m_server.OnClientDone();
        deleteLater(); // not here: this may be running inside one of its own notifiers
    }

    CUnixSocket m_socket;
    CControlServer& m_server;
    QSocketNotifier m_read;
    QSocketNotifier m_write;
    QTimer m_deadline;
    std::string m_received;
    std::string m_reply;
    std::string_view m_rest;
    bool m_answered = false;
    bool m_finished = false;
};

CControlServer::CControlServer(CUnixSocket listening, CControlResponder& responder, QObject* parent)
    : QObject(parent), m_listening(std::move(listening)), m_responder(responder),
      m_notifier(new QSocketNotifier(m_listening.Fd(), QSocketNotifier::Read, this)) {
    connect(m_notifier, &QSocketNotifier::activated, this, &CControlServer::OnConnection);
}

// The listening socket's notifier goes before its descriptor; the clients, which own theirs, go with
// this object.
CControlServer::~CControlServer() {
    delete m_notifier;
}

void CControlServer::OnConnection() {
    while (m_clients < kMostClients) {
        CUnixSocket::Io io;
        CUnixSocket client = m_listening.Accept(&io);
        if (io == CUnixSocket::Io::WouldBlock)
            return;
        if (io == CUnixSocket::Io::Failed) {
            m_notifier->setEnabled(false);
            QTimer::singleShot(kAcceptRetryMs, this,
                               [this] { m_notifier->setEnabled(m_clients < kMostClients); });
            return;
        }
        ++m_clients;
        new Client(std::move(client), *this);
    }
    m_notifier->setEnabled(false);
}

void CControlServer::OnClientDone() {
    --m_clients;
    m_notifier->setEnabled(true);
}
