// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

// Whether the process at the other end of the control socket may use it: only the user who runs the
// window, whoever else could reach the socket.
inline bool IsPeerAllowed(uid_t peer, uid_t own) {
    return peer == own;
}

// A Unix stream socket, closed when the object goes; a listening one removes its file as well. Every
// call returns at once (the window must never wait on a client), except the Wait... calls that a
// command-line client makes, which end at their deadline.
class CUnixSocket {
public:
    using Deadline = std::chrono::steady_clock::time_point;
    enum class Io { Done, WouldBlock, Closed, Failed };
    enum class Connection { Connected, NoListener, Busy, Failed };

    CUnixSocket() = default;
    ~CUnixSocket();
    CUnixSocket(CUnixSocket&& other) noexcept;
    CUnixSocket& operator=(CUnixSocket&& other) noexcept;

    // Listens at path. A socket file already there was left by a window that ended without removing
    // it, and is replaced: so only the holder of the data folder's lock may listen. Anything else at
    // path is left alone and refused with the reason.
    static CUnixSocket Listen(const std::string& path, std::string* reason);
    // The next waiting client; an invalid socket when none waits (*io: WouldBlock) or the accept
    // failed (Failed: out of file descriptors, say).
    CUnixSocket Accept(Io* io) const;
    // Connects to the socket at path; Busy when its queue is full for now (try again).
    static CUnixSocket Connect(const std::string& path, Connection* result, std::string* reason);

    // The user id of the process at the other end, as the kernel recorded it at connect time.
    std::optional<uid_t> PeerUid() const;
    // Appends what has arrived, up to max bytes.
    Io Read(std::string& into, std::size_t max);
    // Writes as much of rest as the socket takes now and removes that from rest.
    Io Write(std::string_view& rest);
    // Waits until the socket can be read (or written), or the deadline passes; false then.
    bool WaitReadable(Deadline deadline) const;
    bool WaitWritable(Deadline deadline) const;

    bool IsValid() const { return m_fd >= 0; }
    int Fd() const { return m_fd; }
    void Close();

private:
    explicit CUnixSocket(int fd) : m_fd(fd) {}
    bool Wait(short events, Deadline deadline) const;

    int m_fd = -1;
    std::string m_boundPath; // a listening socket's file, removed with it
};
