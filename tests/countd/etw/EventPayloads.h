#pragma once

#include <array>
#include <cstdint>
#include <vector>

// Kernel-Network traffic payloads laid out as the provider writes them, for the tests.
namespace bytelora::countd::test {

inline void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

inline void PutPort(std::vector<std::uint8_t>& out, std::uint16_t port) {
    // Ports are in network order in the payload; nothing reads them.
    out.push_back(static_cast<std::uint8_t>(port >> 8));
    out.push_back(static_cast<std::uint8_t>(port));
}

// IPv4: pid, size, daddr, saddr, dport, sport, then a connection id of `tail` bytes.
inline std::vector<std::uint8_t> V4(std::uint32_t pid, std::uint32_t size,
                                    std::array<std::uint8_t, 4> destination = {93, 184, 216, 34},
                                    std::array<std::uint8_t, 4> source = {192, 168, 1, 20},
                                    std::size_t tail = 8) {
    std::vector<std::uint8_t> out;
    PutU32(out, pid);
    PutU32(out, size);
    out.insert(out.end(), destination.begin(), destination.end());
    out.insert(out.end(), source.begin(), source.end());
    PutPort(out, 443);
    PutPort(out, 50123);
    out.insert(out.end(), tail, 0xab);
    return out;
}

using V6Address = std::array<std::uint8_t, 16>;
inline constexpr V6Address kSomeV6 = {0x20, 0x01, 0x0d, 0xb8, 0, 0, 0, 0,
                                      0,    0,    0,    0,    0, 0, 0, 0x42};
inline constexpr V6Address kOtherV6 = {0x20, 0x01, 0x0d, 0xb8, 0, 1, 0, 0,
                                       0,    0,    0,    0,    0, 0, 0, 0x7};
inline constexpr V6Address kLoopbackV6 = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
inline constexpr V6Address kMappedLoopbackV6 = {0, 0, 0,    0,    0,   0, 0, 0,
                                                0, 0, 0xff, 0xff, 127, 0, 0, 1};

inline std::vector<std::uint8_t> V6(std::uint32_t pid, std::uint32_t size,
                                    const V6Address& destination = kSomeV6,
                                    const V6Address& source = kOtherV6, std::size_t tail = 4) {
    std::vector<std::uint8_t> out;
    PutU32(out, pid);
    PutU32(out, size);
    out.insert(out.end(), destination.begin(), destination.end());
    out.insert(out.end(), source.begin(), source.end());
    PutPort(out, 443);
    PutPort(out, 50123);
    out.insert(out.end(), tail, 0xcd);
    return out;
}

}  // namespace bytelora::countd::test
