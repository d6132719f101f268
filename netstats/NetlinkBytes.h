#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace bytelora {

// Netlink messages and their attributes start on 4-byte boundaries.
constexpr std::size_t NetlinkAlign(std::size_t length) {
    return (length + 3u) & ~std::size_t{3};
}

// Copies what the kernel sent into a zeroed struct: older kernels send shorter structs,
// newer ones longer, and neither may be read past.
template <typename T>
T LoadPrefix(std::span<const std::uint8_t> bytes) {
    T value{};
    if (!bytes.empty()) std::memcpy(&value, bytes.data(), std::min(bytes.size(), sizeof(T)));
    return value;
}

}  // namespace bytelora
