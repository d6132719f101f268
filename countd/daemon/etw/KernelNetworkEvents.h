#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "countd/protocol/CountdProtocol.h"

// The traffic events of Windows' Microsoft-Windows-Kernel-Network provider, read at the
// fixed offsets of the provider's manifest rather than through TDH (which is not always
// there, and costs a lookup an event). Every send and receive event starts alike:
//   IPv4 (ids 10, 11, 42, 43): pid u32 @0, size u32 @4, daddr @8, saddr @12,
//                              dport u16 @16, sport u16 @18
//   IPv6 (ids 26, 27, 58, 59): pid u32 @0, size u32 @4, daddr @8 (16 bytes),
//                              saddr @24 (16 bytes), dport u16 @40, sport u16 @42
// What follows (the connection id, 4 or 8 bytes wide by version) is never read.
namespace bytelora::countd {

// {7DD42A49-5329-4832-8DFD-43D979153A88}
inline constexpr const char* kKernelNetworkProvider = "7DD42A49-5329-4832-8DFD-43D979153A88";

enum class EventVerdict {
    Counted,    // a send or receive of a local process, off loopback
    Loopback,   // 127.0.0.0/8, ::1 or ::ffff:127.0.0.0/104 at either end: not counted
    Ignored,    // not a traffic event (connects, disconnects, retransmits, ...)
    Truncated,  // a traffic event shorter than its addresses and ports
};

struct TrafficEvent {
    EventVerdict verdict = EventVerdict::Ignored;
    std::uint32_t pid = 0;  // as the payload has it: 0 is no process, 4 the kernel
    std::uint32_t size = 0;
    bool received = false;
};

TrafficEvent DecodeKernelNetworkEvent(std::uint16_t id, std::span<const std::uint8_t> payload);

// Whether the provider's GUID, as text with or without braces and in either case, is
// Kernel-Network's.
bool IsKernelNetworkProvider(std::string_view guid);

}  // namespace bytelora::countd
