#include "core/platform/Netlink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <linux/if.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <poll.h>

namespace {
using Kind = LinkMessage::Kind;
constexpr std::uint32_t kSeq = 7, kPort = 42;

// Netlink messages written as the kernel writes them.
class Datagram {
public:
    Datagram& Link(std::uint16_t type, int index, unsigned flags, const std::string& name,
                   std::uint16_t extra = 0) {
        ifinfomsg info{};
        info.ifi_index = index;
        info.ifi_flags = flags;
        std::vector<std::byte> body = Bytes(&info, sizeof info);
        const std::uint32_t mtu = 1500;
        Attribute(body, IFLA_MTU, Bytes(&mtu, sizeof mtu));
        if (!name.empty())
            Attribute(body, IFLA_IFNAME, Bytes(name.c_str(), name.size() + (name.size() < 16 ? 1 : 0)));
        return Message(type, 0, 0, extra, body);
    }
    Datagram& Control(std::uint16_t type, std::uint32_t seq, std::uint32_t port, std::uint16_t flags = 0) {
        nlmsgerr error{};
        error.error = -EBUSY;
        return Message(type, seq, port, flags, Bytes(&error, type == NLMSG_ERROR ? sizeof error : 4));
    }
    std::vector<std::byte> bytes;

private:
    static std::vector<std::byte> Bytes(const void* data, std::size_t size) {
        const auto* first = static_cast<const std::byte*>(data);
        return {first, first + size};
    }
    static void Attribute(std::vector<std::byte>& body, std::uint16_t type,
                          const std::vector<std::byte>& value) {
        const rtattr attr{static_cast<unsigned short>(RTA_LENGTH(value.size())), type};
        const std::vector<std::byte> head = Bytes(&attr, sizeof attr);
        body.insert(body.end(), head.begin(), head.end());
        body.insert(body.end(), value.begin(), value.end());
        body.resize(NLMSG_ALIGN(body.size()));
    }
    Datagram& Message(std::uint16_t type, std::uint32_t seq, std::uint32_t port, std::uint16_t flags,
                      const std::vector<std::byte>& body) {
        const nlmsghdr header{static_cast<std::uint32_t>(NLMSG_LENGTH(body.size())), type, flags, seq, port};
        const std::vector<std::byte> head = Bytes(&header, sizeof header);
        bytes.insert(bytes.end(), head.begin(), head.end());
        bytes.insert(bytes.end(), body.begin(), body.end());
        return *this;
    }
};

std::vector<LinkMessage> Parse(const std::vector<std::byte>& bytes, bool* interrupted = nullptr) {
    std::vector<LinkMessage> out;
    bool cut = false;
    CNetlink::Parse(bytes, kSeq, kPort, out, cut);
    if (interrupted)
        *interrupted = cut;
    return out;
}

const LinkMessage kLookDone{Kind::LookDone, {}};

LinkMessage Link(int index, const std::string& name, unsigned flags, bool deleted = false) {
    return {Kind::Link, {index, name, flags, deleted}};
}

// Only the end of this socket's own look ends it; changes of others, nameless links and other
// messages pass by; a name is never longer than the kernel allows.
TEST(NetlinkTest, ReadsTheLinksAndTheEndOfItsOwnLook) {
    const unsigned up = IFF_UP | IFF_RUNNING | IFF_LOWER_UP;
    Datagram d;
    d.Link(RTM_NEWLINK, 5, up, "ppp0", NLM_F_DUMP_INTR) // not of this socket's look
        .Link(RTM_DELLINK, 6, 0, "wwan0")
        .Link(RTM_NEWLINK, 7, up, "")
        .Link(RTM_NEWADDR, 8, up, "eth0")
        .Link(RTM_NEWLINK, 9, 0, "a-very-long-name-indeed")
        .Control(NLMSG_DONE, kSeq, kPort + 1)
        .Control(NLMSG_DONE, kSeq - 1, kPort)
        .Control(NLMSG_DONE, kSeq, kPort);
    bool interrupted = true;
    EXPECT_EQ(Parse(d.bytes, &interrupted), (std::vector<LinkMessage>{Link(5, "ppp0", up),
                                                                      Link(6, "wwan0", 0, true),
                                                                      Link(9, "a-very-long-nam", 0),
                                                                      {Kind::LookDone, {}}}));
    EXPECT_FALSE(interrupted);

    Datagram refused;
    refused.Control(NLMSG_ERROR, kSeq, kPort);
    EXPECT_EQ(Parse(refused.bytes), std::vector<LinkMessage>{kLookDone});
    Datagram changedMeanwhile;
    changedMeanwhile.Control(NLMSG_DONE, kSeq, kPort, NLM_F_MULTI | NLM_F_DUMP_INTR);
    Parse(changedMeanwhile.bytes, &interrupted);
    EXPECT_TRUE(interrupted);
}

// A datagram cut anywhere, or one whose lengths lie, gives whole messages only and reads nothing
// beyond its end (the sanitizer watches each cut copy, placed off the alignment of the headers).
TEST(NetlinkTest, CutOrLyingDatagramsGiveWholeMessagesOnly) {
    Datagram d;
    d.Link(RTM_NEWLINK, 2, IFF_UP, "ppp0");
    const std::size_t first = d.bytes.size();
    d.Link(RTM_NEWLINK, 3, IFF_UP, "eth0");
    for (std::size_t cut = 0; cut <= d.bytes.size(); ++cut) {
        std::vector<std::byte> copy(cut + 1);
        std::copy_n(d.bytes.begin(), cut, copy.begin() + 1);
        std::vector<LinkMessage> out;
        bool interrupted = false;
        CNetlink::Parse(std::span(copy).subspan(1), kSeq, kPort, out, interrupted);
        const std::size_t whole = cut < first ? 0 : cut < d.bytes.size() ? 1 : 2;
        EXPECT_EQ(out.size(), whole) << cut;
    }
    const auto lie = [&](std::size_t offset, std::uint32_t value, std::size_t size = 0) {
        std::vector<std::byte> bytes = d.bytes;
        std::memcpy(bytes.data() + offset, &value, sizeof value);
        // A copy of its own size, so that the sanitizer sees a read beyond it.
        return Parse({bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size ? size : bytes.size())})
            .size();
    };
    EXPECT_EQ(lie(0, 1 << 20), 0u) << "a message longer than the datagram";
    EXPECT_EQ(lie(0, 4), 0u) << "a message shorter than its header";
    EXPECT_EQ(lie(0, 20, 20), 0u) << "a link message shorter than its link";
    // The second message's name attribute claims more than its message holds.
    EXPECT_EQ(lie(first + NLMSG_LENGTH(sizeof(ifinfomsg)) + RTA_LENGTH(4), IFLA_IFNAME << 16 | 0xff00), 1u);
}

// The socket of this machine: two looks asked for at once end once, after both listings.
TEST(NetlinkTest, LooksAtTheLinksOfThisMachine) {
    CNetlink netlink;
    std::string error;
    if (!netlink.Open(error))
        GTEST_SKIP() << "no routing socket here (" << error << "), so there are no links to look at";
    ASSERT_TRUE(netlink.RequestLook() && netlink.RequestLook());
    std::vector<LinkMessage> got;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (
        std::none_of(got.begin(), got.end(), [](const LinkMessage& m) { return m.kind == Kind::LookDone; }) &&
        std::chrono::steady_clock::now() < deadline) {
        pollfd wait{netlink.Fd(), POLLIN, 0};
        ::poll(&wait, 1, 100);
        for (LinkMessage& message : netlink.Read())
            got.push_back(std::move(message));
    }
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got.back().kind, Kind::LookDone);
    EXPECT_EQ(std::count_if(got.begin(), got.end(), [](const LinkMessage& m) { return m.link.name == "lo"; }),
              2);
    const std::vector<std::string> names = CNetlink::LinkNames();
    EXPECT_NE(std::find(names.begin(), names.end(), "lo"), names.end());
}
} // namespace
