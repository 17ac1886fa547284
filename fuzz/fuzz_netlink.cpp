// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the routing socket's parser as if the kernel had sent them. Besides
// crashes, reads beyond the datagram and leaks it checks that every link read has a name the
// kernel could have given.
#include "core/platform/Netlink.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {
void Check(bool condition) {
    if (!condition)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first bytes choose the look's number and the socket's port, so that both kinds of end
    // are found.
    std::uint32_t ids[2] = {1, 1};
    if (size >= sizeof ids) {
        std::memcpy(ids, data, sizeof ids);
        data += sizeof ids;
        size -= sizeof ids;
    }
    std::vector<LinkMessage> out;
    bool interrupted = false;
    CNetlink::Parse(std::span(reinterpret_cast<const std::byte*>(data), size), ids[0], ids[1], out,
                    interrupted);
    // Each message takes at least a header of 16 bytes.
    Check(out.size() <= size / 16);
    for (const LinkMessage& message : out) {
        if (message.kind != LinkMessage::Kind::Link)
            continue;
        Check(!message.link.name.empty() && message.link.name.size() <= 15);
        Check(message.link.name.find('\0') == std::string::npos);
    }
    return 0;
}
