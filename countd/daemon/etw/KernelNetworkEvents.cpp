#include "countd/daemon/etw/KernelNetworkEvents.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string_view>

namespace bytelora::countd {

namespace {

struct Layout {
    bool ipv6 = false;
    bool received = false;
};

// The event ids of the sends and receives, TCP and UDP.
std::optional<Layout> LayoutOf(std::uint16_t id) {
    switch (id) {
        case 10:
        case 42:
            return Layout{false, false};
        case 11:
        case 43:
            return Layout{false, true};
        case 26:
        case 58:
            return Layout{true, false};
        case 27:
        case 59:
            return Layout{true, true};
        default:
            return std::nullopt;
    }
}

std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t at) {
    // The payload is little-endian, as Windows is on every architecture it runs on.
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

bool IsLoopbackV4(std::span<const std::uint8_t> address) {
    return address[0] == 127;
}

bool IsLoopbackV6(std::span<const std::uint8_t> address) {
    static constexpr std::array<std::uint8_t, 16> kLoopback{0, 0, 0, 0, 0, 0, 0, 0,
                                                            0, 0, 0, 0, 0, 0, 0, 1};
    if (std::equal(address.begin(), address.end(), kLoopback.begin())) return true;
    // An IPv4 loopback address mapped into IPv6 (a dual-stack socket talking to 127.x).
    static constexpr std::array<std::uint8_t, 12> kMapped{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xff, 0xff};
    return std::equal(kMapped.begin(), kMapped.end(), address.begin()) && address[12] == 127;
}

}  // namespace

TrafficEvent DecodeKernelNetworkEvent(std::uint16_t id, std::span<const std::uint8_t> payload) {
    const auto layout = LayoutOf(id);
    if (!layout) return {};
    const std::size_t addressSize = layout->ipv6 ? 16 : 4;
    const std::size_t portsEnd = 8 + 2 * addressSize + 4;
    TrafficEvent event;
    event.received = layout->received;
    if (payload.size() < portsEnd) {
        event.verdict = EventVerdict::Truncated;
        return event;
    }
    event.pid = ReadU32(payload, 0);
    event.size = ReadU32(payload, 4);
    const auto destination = payload.subspan(8, addressSize);
    const auto source = payload.subspan(8 + addressSize, addressSize);
    const bool loopback = layout->ipv6 ? IsLoopbackV6(destination) || IsLoopbackV6(source)
                                       : IsLoopbackV4(destination) || IsLoopbackV4(source);
    event.verdict = loopback ? EventVerdict::Loopback : EventVerdict::Counted;
    return event;
}

bool IsKernelNetworkProvider(std::string_view guid) {
    if (guid.size() == 38 && guid.front() == '{' && guid.back() == '}') guid = guid.substr(1, 36);
    const std::string_view expected = kKernelNetworkProvider;
    return guid.size() == expected.size() &&
           std::equal(guid.begin(), guid.end(), expected.begin(), [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a)) == b;
           });
}

}  // namespace bytelora::countd
