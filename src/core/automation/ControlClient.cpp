// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/automation/ControlClient.h"

#include "core/automation/ControlProtocol.h"
#include "core/platform/Paths.h"
#include "core/platform/RuntimeDir.h"
#include "core/platform/Translate.h"
#include "core/platform/UnixSocket.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
using Outcome = CControlClient::Outcome;
using Result = CControlClient::Result;

Result Silence(Outcome outcome = Outcome::NoAnswer) {
    const int seconds = static_cast<int>(kControlTimeout.count() / 1000);
    return {outcome, Tr("ControlClient", "Corvellan did not answer within %n seconds", nullptr, seconds)};
}
} // namespace

CControlClient::CControlClient(const Paths& paths)
    : m_runtimeDir(RuntimeDirFor(std::getenv("XDG_RUNTIME_DIR"), ::getuid())), m_dataDir(paths.DataDir()) {}

CControlClient::Result CControlClient::Ask(const std::string& line) const {
    const auto deadline = std::chrono::steady_clock::now() + kControlTimeout;
    struct stat st {};
    if (::lstat(m_runtimeDir.c_str(), &st) != 0) {
        // errno's words before the translation's, which may call the library and change errno.
        const int err = errno;
        if (err == ENOENT)
            return {Outcome::NotRunning, ""};
        const std::string why = std::strerror(err);
        return {Outcome::Failed, Arg(Tr("ControlClient", "cannot use %1: %2"), {m_runtimeDir, why})};
    }
    // A window fixes the mode of its folder; one that others may enter is not a window's.
    const PrivateDirVerdict verdict = JudgePrivateDir(st.st_mode, st.st_uid, ::getuid());
    if (verdict.action != PrivateDirVerdict::Action::Use)
        return {Outcome::Failed,
                Arg(Tr("ControlClient", "cannot use %1: %2"),
                    {m_runtimeDir,
                     verdict.reason.empty() ? Tr("ControlClient", "others may enter it") : verdict.reason})};
    std::string reason;
    const std::string path = ControlSocketPath(m_runtimeDir, m_dataDir, &reason);
    if (path.empty())
        return {Outcome::Failed, reason};

    CUnixSocket socket;
    for (;;) {
        CUnixSocket::Connection connection;
        socket = CUnixSocket::Connect(path, &connection, &reason);
        if (connection == CUnixSocket::Connection::Connected)
            break;
        if (connection == CUnixSocket::Connection::NoListener)
            return {Outcome::NotRunning, ""};
        if (connection == CUnixSocket::Connection::Failed)
            return {Outcome::Failed, reason};
        // Busy: the window takes its waiting clients in turn.
        if (std::chrono::steady_clock::now() >= deadline)
            return Silence();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const std::optional<uid_t> peer = socket.PeerUid();
    if (!peer || !IsPeerAllowed(*peer, ::getuid()))
        return {Outcome::Failed, peer ? Arg(Tr("ControlClient", "%1 is served by another user (uid %2)"),
                                            {path, std::to_string(*peer)})
                                      : Arg(Tr("ControlClient", "%1 is served by another user"), {path})};

    std::string_view rest = line;
    while (!rest.empty()) {
        const CUnixSocket::Io io = socket.Write(rest);
        if (io == CUnixSocket::Io::WouldBlock && !socket.WaitWritable(deadline))
            return Silence();
        if (io == CUnixSocket::Io::Closed || io == CUnixSocket::Io::Failed)
            break; // the window may have said why before it closed: read on
    }
    std::string received;
    for (;;) {
        if (const std::size_t end = received.find('\n'); end != std::string::npos)
            return {Outcome::Answered, received.substr(0, end)};
        if (received.size() > kControlLineLimit)
            return {Outcome::Unanswered, Tr("ControlClient", "Corvellan's answer is too long")};
        const CUnixSocket::Io io = socket.Read(received, kControlLineLimit);
        if (io == CUnixSocket::Io::WouldBlock && !socket.WaitReadable(deadline))
            return Silence(Outcome::Unanswered);
        if (io == CUnixSocket::Io::Closed || io == CUnixSocket::Io::Failed)
            return {Outcome::Unanswered,
                    Tr("ControlClient", "Corvellan closed the connection without an answer")};
    }
}
