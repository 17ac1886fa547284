// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// A network link as the kernel reports it.
struct LinkState {
    int index = 0;
    std::string name;
    unsigned flags = 0;   // IFF_UP, IFF_RUNNING, IFF_LOWER_UP, ... as in <linux/if.h>
    bool deleted = false; // the link is gone (RTM_DELLINK)

    bool operator==(const LinkState&) const = default;
};

// One thing the routing socket said, in the order it said it.
struct LinkMessage {
    enum class Kind {
        Link,     // a link changed, or was listed in the answer to a look at every link
        LookDone, // every link has been listed since the look was asked for
        Lost,     // the kernel dropped changes; a new look has been asked for to catch up
    };
    Kind kind = Kind::Link;
    LinkState link; // for Link only

    bool operator==(const LinkMessage&) const = default;
};

// The kernel's routing socket (NETLINK_ROUTE), subscribed to the changes of the links
// (RTMGRP_LINK). It never blocks: the owner waits until Fd() is readable, then calls Read().
class CNetlink {
public:
    CNetlink() = default;
    ~CNetlink();
    CNetlink(const CNetlink&) = delete;
    CNetlink& operator=(const CNetlink&) = delete;

    // False, with the system's reason, when the socket cannot be had.
    bool Open(std::string& error);
    void Close();
    bool IsOpen() const { return m_fd >= 0; }
    int Fd() const { return m_fd; }

    // Asks for every link. The answer comes through Read like the changes, and ends with
    // LookDone; a look asked for while one is under way is made once that one is complete.
    bool RequestLook();
    // Everything that is waiting on the socket.
    std::vector<LinkMessage> Read();

    // The messages of one datagram, appended to out. Links are kept as they come; the end of the
    // look (or its refusal) is known by the request's number and this socket's port; everything
    // else, and anything truncated or malformed, is skipped. interrupted is set when the kernel
    // says the links changed while it listed them.
    static void Parse(std::span<const std::byte> datagram, std::uint32_t lookSeq, std::uint32_t port,
                      std::vector<LinkMessage>& out, bool& interrupted);

    // The names of the links there are now, in the kernel's order.
    static std::vector<std::string> LinkNames();

private:
    bool SendLookRequest();

    int m_fd = -1;
    std::uint32_t m_port = 0; // the address the kernel gave this socket
    std::uint32_t m_seq = 0;
    bool m_looking = false;   // a look is under way
    bool m_lookAgain = false; // another one is wanted once it is complete
    std::vector<std::byte> m_buffer;
};
