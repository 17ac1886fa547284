// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/UnixSocket.h"
#include "core/platform/Translate.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

namespace {
bool Address(const std::string& path, sockaddr_un& address, std::string* reason) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        if (reason != nullptr)
            *reason = Arg(Tr("UnixSocket", "%1 is too long for a socket address"), {path});
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// errno as the call left it, before the words for it are made (a translation may call the library).
template <typename What> void SetReason(std::string* reason, What what) {
    const int err = errno;
    if (reason != nullptr)
        *reason = what() + ": " + std::strerror(err);
}
} // namespace

CUnixSocket::~CUnixSocket() {
    Close();
}

CUnixSocket::CUnixSocket(CUnixSocket&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_boundPath(std::move(other.m_boundPath)) {
    other.m_boundPath.clear();
}

CUnixSocket& CUnixSocket::operator=(CUnixSocket&& other) noexcept {
    if (this != &other) {
        Close();
        m_fd = std::exchange(other.m_fd, -1);
        m_boundPath = std::move(other.m_boundPath);
        other.m_boundPath.clear();
    }
    return *this;
}

void CUnixSocket::Close() {
    if (m_fd < 0)
        return;
    if (!m_boundPath.empty())
        ::unlink(m_boundPath.c_str());
    m_boundPath.clear();
    ::close(std::exchange(m_fd, -1));
}

CUnixSocket CUnixSocket::Listen(const std::string& path, std::string* reason) {
    sockaddr_un address;
    if (!Address(path, address, reason))
        return {};
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0) {
        if (!S_ISSOCK(st.st_mode)) {
            if (reason != nullptr)
                *reason = Arg(Tr("UnixSocket", "%1 is there and is not a socket"), {path});
            return {};
        }
        ::unlink(path.c_str());
    }
    CUnixSocket socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!socket.IsValid()) {
        SetReason(reason, [] { return Tr("UnixSocket", "cannot make a socket"); });
        return {};
    }
    if (::bind(socket.m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        SetReason(reason, [&] { return Arg(Tr("UnixSocket", "cannot create %1"), {path}); });
        return {};
    }
    socket.m_boundPath = path;
    if (::listen(socket.m_fd, SOMAXCONN) != 0) {
        SetReason(reason, [&] { return Arg(Tr("UnixSocket", "cannot listen at %1"), {path}); });
        return {};
    }
    return socket;
}

CUnixSocket CUnixSocket::Accept(Io* io) const {
    CUnixSocket client(m_fd < 0 ? -1 : ::accept4(m_fd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
    if (client.IsValid())
        *io = Io::Done;
    else
        *io = m_fd >= 0 && (errno == EAGAIN || errno == EINTR || errno == ECONNABORTED) ? Io::WouldBlock
                                                                                        : Io::Failed;
    return client;
}

CUnixSocket CUnixSocket::Connect(const std::string& path, Connection* result, std::string* reason) {
    *result = Connection::Failed;
    sockaddr_un address;
    if (!Address(path, address, reason))
        return {};
    CUnixSocket socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!socket.IsValid()) {
        SetReason(reason, [] { return Tr("UnixSocket", "cannot make a socket"); });
        return {};
    }
    // A Unix socket connects at once or not at all; EAGAIN means the listener's queue is full.
    if (::connect(socket.m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        *result = Connection::Connected;
        return socket;
    }
    if (errno == ENOENT || errno == ECONNREFUSED)
        *result = Connection::NoListener;
    else if (errno == EAGAIN)
        *result = Connection::Busy;
    SetReason(reason, [&] { return Arg(Tr("UnixSocket", "cannot connect to %1"), {path}); });
    return {};
}

std::optional<uid_t> CUnixSocket::PeerUid() const {
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (m_fd < 0 || ::getsockopt(m_fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0 ||
        size != sizeof credentials)
        return std::nullopt;
    return credentials.uid;
}

CUnixSocket::Io CUnixSocket::Read(std::string& into, std::size_t max) {
    char buffer[4096];
    const ssize_t got = ::recv(m_fd, buffer, std::min(max, sizeof buffer), MSG_DONTWAIT);
    if (got > 0) {
        into.append(buffer, static_cast<std::size_t>(got));
        return Io::Done;
    }
    if (got == 0)
        return Io::Closed;
    if (errno == EAGAIN || errno == EINTR)
        return Io::WouldBlock;
    return errno == ECONNRESET ? Io::Closed : Io::Failed;
}

CUnixSocket::Io CUnixSocket::Write(std::string_view& rest) {
    // MSG_NOSIGNAL: a client that has gone is an error here, not a SIGPIPE for the whole program.
    const ssize_t sent = ::send(m_fd, rest.data(), rest.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
    if (sent >= 0) {
        rest.remove_prefix(static_cast<std::size_t>(sent));
        return Io::Done;
    }
    if (errno == EAGAIN || errno == EINTR)
        return Io::WouldBlock;
    return errno == EPIPE || errno == ECONNRESET ? Io::Closed : Io::Failed;
}

bool CUnixSocket::WaitReadable(Deadline deadline) const {
    return Wait(POLLIN, deadline);
}

bool CUnixSocket::WaitWritable(Deadline deadline) const {
    return Wait(POLLOUT, deadline);
}

bool CUnixSocket::Wait(short events, Deadline deadline) const {
    for (;;) {
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd entry{m_fd, events, 0};
        const int ready = ::poll(&entry, 1, static_cast<int>(left.count()));
        if (ready > 0)
            return true; // an error or a hang-up shows in the read or write that follows
        if (ready < 0 && errno != EINTR)
            return false;
    }
}
