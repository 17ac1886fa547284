// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/Netlink.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <net/if.h>
#include <optional>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// A dump datagram is at most 32 KiB; a change of one link is far smaller.
constexpr std::size_t kDatagramBytes = 64 * 1024;

// NLMSG_OK compares the header's unsigned length with the signed count of bytes left, which clang
// reports.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wsign-compare"
bool Fits(const nlmsghdr* header, int left) {
    return NLMSG_OK(header, left);
}
#pragma GCC diagnostic pop

std::optional<LinkState> ReadLink(const nlmsghdr* header) {
    if (header->nlmsg_len < NLMSG_LENGTH(sizeof(ifinfomsg)))
        return std::nullopt;
    const auto* info = static_cast<const ifinfomsg*>(NLMSG_DATA(header));
    LinkState link{info->ifi_index, {}, info->ifi_flags, header->nlmsg_type == RTM_DELLINK};
    int left = static_cast<int>(IFLA_PAYLOAD(header));
    for (const rtattr* attr = IFLA_RTA(info); RTA_OK(attr, left); attr = RTA_NEXT(attr, left)) {
        if (attr->rta_type != IFLA_IFNAME)
            continue;
        const char* text = static_cast<const char*>(RTA_DATA(attr));
        link.name.assign(text, strnlen(text, std::min<std::size_t>(RTA_PAYLOAD(attr), IFNAMSIZ - 1)));
    }
    // Without its name a link cannot be told from the one followed, nor from one renamed away.
    if (link.name.empty())
        return std::nullopt;
    return link;
}
} // namespace

CNetlink::~CNetlink() {
    Close();
}

bool CNetlink::Open(std::string& error) {
    if (m_fd >= 0)
        return true;
    const int fd = ::socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC | SOCK_NONBLOCK, NETLINK_ROUTE);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    sockaddr_nl address{};
    address.nl_family = AF_NETLINK;
    address.nl_groups = RTMGRP_LINK;
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        error = std::strerror(errno);
        ::close(fd);
        return false;
    }
    socklen_t length = sizeof address;
    if (::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        error = std::strerror(errno);
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_port = address.nl_pid;
    m_looking = m_lookAgain = false;
    return true;
}

void CNetlink::Close() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_looking = m_lookAgain = false;
    m_buffer = {};
}

bool CNetlink::RequestLook() {
    if (m_fd < 0)
        return false;
    if (m_looking) {
        m_lookAgain = true;
        return true;
    }
    return SendLookRequest();
}

bool CNetlink::SendLookRequest() {
    struct {
        nlmsghdr header;
        ifinfomsg info;
    } request{};
    // 0 is what the kernel's own messages carry.
    if (++m_seq == 0)
        ++m_seq;
    request.header.nlmsg_len = NLMSG_LENGTH(sizeof(ifinfomsg));
    request.header.nlmsg_type = RTM_GETLINK;
    request.header.nlmsg_flags = NLM_F_REQUEST | NLM_F_DUMP;
    request.header.nlmsg_seq = m_seq;
    request.info.ifi_family = AF_UNSPEC;
    sockaddr_nl kernel{};
    kernel.nl_family = AF_NETLINK;
    ssize_t sent;
    do {
        sent = ::sendto(m_fd, &request, request.header.nlmsg_len, 0,
                        reinterpret_cast<const sockaddr*>(&kernel), sizeof kernel);
    } while (sent < 0 && errno == EINTR);
    m_looking = sent >= 0;
    return m_looking;
}

std::vector<LinkMessage> CNetlink::Read() {
    std::vector<LinkMessage> out;
    if (m_fd < 0)
        return out;
    if (m_buffer.empty())
        m_buffer.resize(kDatagramBytes);
    for (;;) {
        const ssize_t got = ::recv(m_fd, m_buffer.data(), m_buffer.size(), MSG_DONTWAIT | MSG_TRUNC);
        if (got < 0 && errno == EINTR)
            continue;
        const bool cut = got > static_cast<ssize_t>(m_buffer.size());
        if ((got < 0 && errno == ENOBUFS) || cut) {
            // Changes were dropped (or one did not fit): only a fresh look tells the truth again.
            out.push_back({LinkMessage::Kind::Lost, {}});
            RequestLook();
            continue;
        }
        if (got < 0)
            break; // nothing more waiting
        const std::size_t first = out.size();
        bool interrupted = false;
        Parse(std::span(m_buffer.data(), static_cast<std::size_t>(got)), m_seq, m_port, out, interrupted);
        m_lookAgain = m_lookAgain || interrupted;
        for (std::size_t i = first; i < out.size(); ++i) {
            if (out[i].kind != LinkMessage::Kind::LookDone)
                continue;
            m_looking = false;
            if (m_lookAgain) {
                // Not the complete picture yet: the next look's end is the one that counts.
                m_lookAgain = false;
                out.erase(out.begin() + static_cast<std::ptrdiff_t>(i--));
                SendLookRequest();
            }
        }
    }
    return out;
}

void CNetlink::Parse(std::span<const std::byte> datagram, std::uint32_t lookSeq, std::uint32_t port,
                     std::vector<LinkMessage>& out, bool& interrupted) {
    // The kernel's macros read the headers in place, which needs their alignment.
    std::vector<std::uint32_t> aligned;
    const void* data = datagram.data();
    if (reinterpret_cast<std::uintptr_t>(data) % alignof(nlmsghdr) != 0) {
        aligned.resize(datagram.size() / sizeof(std::uint32_t) + 1);
        std::memcpy(aligned.data(), datagram.data(), datagram.size());
        data = aligned.data();
    }
    int left = static_cast<int>(std::min<std::size_t>(datagram.size(), INT_MAX));
    for (auto* header = static_cast<const nlmsghdr*>(data); Fits(header, left);
         header = NLMSG_NEXT(header, left)) {
        // The answer to the look is addressed to this socket under the request's number; changes
        // that others asked for carry their numbers, so both must match.
        const bool answer = lookSeq != 0 && header->nlmsg_seq == lookSeq && header->nlmsg_pid == port;
        if (answer && (header->nlmsg_flags & NLM_F_DUMP_INTR) != 0)
            interrupted = true;
        switch (header->nlmsg_type) {
        case NLMSG_DONE:
        case NLMSG_ERROR: // a refused look is over as well; what was listed stands
            if (answer)
                out.push_back({LinkMessage::Kind::LookDone, {}});
            break;
        case RTM_NEWLINK:
        case RTM_DELLINK:
            if (std::optional<LinkState> link = ReadLink(header))
                out.push_back({LinkMessage::Kind::Link, std::move(*link)});
            break;
        default:
            break;
        }
    }
}

std::vector<std::string> CNetlink::LinkNames() {
    std::vector<std::string> names;
    if (struct if_nameindex* list = ::if_nameindex()) {
        for (const struct if_nameindex* entry = list; entry->if_index != 0; ++entry)
            names.emplace_back(entry->if_name);
        ::if_freenameindex(list);
    }
    return names;
}
