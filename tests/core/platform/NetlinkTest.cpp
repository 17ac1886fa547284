// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/Netlink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <linux/if.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>

namespace {
using Kind = LinkMessage::Kind;
constexpr std::uint32_t kSeq = 7, kPort = 42;
const LinkMessage kLookDone{Kind::LookDone, {}};

void Append(std::vector<std::byte>& out, const void* data, std::size_t size) {
    out.insert(out.end(), static_cast<const std::byte*>(data), static_cast<const std::byte*>(data) + size);
    out.resize(NLMSG_ALIGN(out.size()));
}

// One message as the kernel writes it: a link with its MTU and its name (read as a number at the
// end of a look).
void Message(std::vector<std::byte>& out, std::uint16_t type, std::uint16_t flags, std::uint32_t seq,
             std::uint32_t port, int index = 0, const std::string& name = "") {
    const ifinfomsg info{AF_UNSPEC, 0, 0, index, IFF_UP, 0};
    const std::uint32_t mtu = 1500;
    const rtattr mtuAttribute{RTA_LENGTH(sizeof mtu), IFLA_MTU};
    const rtattr nameAttribute{static_cast<unsigned short>(RTA_LENGTH(name.size() + 1)), IFLA_IFNAME};
    std::vector<std::byte> body;
    Append(body, &info, sizeof info);
    Append(body, &mtuAttribute, sizeof mtuAttribute);
    Append(body, &mtu, sizeof mtu);
    if (!name.empty()) {
        Append(body, &nameAttribute, sizeof nameAttribute);
        Append(body, name.c_str(), name.size() + 1);
    }
    const nlmsghdr header{static_cast<std::uint32_t>(NLMSG_LENGTH(body.size())), type, flags, seq, port};
    Append(out, &header, sizeof header);
    out.insert(out.end(), body.begin(), body.end());
}

std::vector<LinkMessage> Parse(const std::vector<std::byte>& bytes, bool* interrupted = nullptr) {
    std::vector<LinkMessage> out;
    bool cut = false;
    CNetlink::Parse(bytes, kSeq, kPort, out, cut);
    if (interrupted)
        *interrupted = cut;
    return out;
}

// Only the end of this socket's own look ends it, and only its own look can be interrupted;
// nameless links and other messages pass by; a name is never longer than the kernel allows.
TEST(NetlinkTest, ReadsTheLinksAndTheEndOfItsOwnLook) {
    std::vector<std::byte> d, refused;
    Message(d, RTM_NEWLINK, NLM_F_DUMP_INTR, 0, 0, 5, "ppp0");
    Message(d, RTM_DELLINK, 0, 0, 0, 6, "wwan0");
    Message(d, RTM_NEWLINK, 0, 0, 0, 7);
    Message(d, RTM_NEWADDR, 0, 0, 0, 8, "eth0");
    Message(d, RTM_NEWLINK, 0, 0, 0, 9, "a-very-long-name-indeed");
    Message(d, NLMSG_DONE, 0, kSeq, kPort + 1);
    Message(d, NLMSG_DONE, 0, kSeq - 1, kPort);
    Message(d, NLMSG_DONE, 0, kSeq, kPort);
    bool changedMeanwhile = true;
    EXPECT_EQ(Parse(d, &changedMeanwhile),
              (std::vector<LinkMessage>{{Kind::Link, {5, "ppp0", IFF_UP, false}},
                                        {Kind::Link, {6, "wwan0", IFF_UP, true}},
                                        {Kind::Link, {9, "a-very-long-nam", IFF_UP, false}},
                                        kLookDone}));
    EXPECT_FALSE(changedMeanwhile);
    Message(refused, NLMSG_ERROR, 0, kSeq, kPort);
    Message(refused, NLMSG_DONE, NLM_F_MULTI | NLM_F_DUMP_INTR, kSeq, kPort);
    EXPECT_EQ(Parse(refused, &changedMeanwhile), (std::vector<LinkMessage>{kLookDone, kLookDone}));
    EXPECT_TRUE(changedMeanwhile);
}

// A datagram cut anywhere, or one whose lengths lie, gives whole messages only and reads nothing
// beyond its end: the sanitizer watches each copy, of its own size and off the headers' alignment.
TEST(NetlinkTest, CutOrLyingDatagramsGiveWholeMessagesOnly) {
    std::vector<std::byte> d;
    Message(d, RTM_NEWLINK, 0, 0, 0, 2, "ppp0");
    const std::size_t first = d.size();
    Message(d, RTM_NEWLINK, 0, 0, 0, 3, "eth0");
    const auto parsed = [](std::vector<std::byte> bytes, std::size_t size) {
        std::vector<std::byte> copy(size + 1);
        std::copy_n(bytes.begin(), size, copy.begin() + 1);
        std::vector<LinkMessage> out;
        bool interrupted = false;
        CNetlink::Parse(std::span(copy).subspan(1), kSeq, kPort, out, interrupted);
        return out.size();
    };
    for (std::size_t cut = 0; cut <= d.size(); ++cut)
        EXPECT_EQ(parsed(d, cut), cut < first ? 0u : cut < d.size() ? 1u : 2u) << cut;
    const auto lie = [&](std::size_t offset, std::uint32_t value, std::size_t size) {
        std::vector<std::byte> bytes = d;
        std::memcpy(bytes.data() + offset, &value, sizeof value);
        return parsed(bytes, size);
    };
    EXPECT_EQ(lie(0, 1 << 20, d.size()), 0u) << "a message longer than the datagram";
    EXPECT_EQ(lie(0, 20, 20), 0u) << "a link message shorter than its link";
    // The second message's name claims more than its message holds.
    EXPECT_EQ(
        lie(first + NLMSG_LENGTH(sizeof(ifinfomsg)) + RTA_LENGTH(4), IFLA_IFNAME << 16 | 0xff00, d.size()),
        1u);
}

} // namespace
