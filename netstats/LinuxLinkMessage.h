#pragma once

#include <cstdint>
#include <span>

#include "netstats/InterfaceRow.h"

namespace bytelora {

// What one RTM_NEWLINK message says about an interface. `arphrdType` is the kernel's
// link type; the MIB-II type needs one more fact (wireless or not) from the caller.
struct LinkMessage {
    InterfaceRow record;
    std::uint16_t arphrdType = 0;
    bool hasStats = false;  // neither IFLA_STATS64 nor IFLA_STATS: counters left at 0
};

// Parses the payload of an RTM_NEWLINK message (the ifinfomsg and its attributes, without
// the netlink header). Never reads outside `payload`; false when it is too short to hold
// the ifinfomsg.
bool ParseLinkMessage(std::span<const std::uint8_t> payload, LinkMessage& out);

// What one RTM_NEWSTATS message says: the interface index and the bytes of its
// IFLA_STATS_LINK_64 (a struct rtnl_link_stats64), empty when the message has none.
// The bytes point into the payload.
struct StatsMessage {
    std::uint32_t index = 0;
    std::span<const std::uint8_t> stats64;
};

// Parses the payload of an RTM_NEWSTATS message (the if_stats_msg and its attributes,
// without the netlink header). Never reads outside `payload`; false when it is too short
// to hold the if_stats_msg.
bool ParseStatsMessage(std::span<const std::uint8_t> payload, StatsMessage& out);

// Sets a record's counters from the bytes of a struct rtnl_link_stats64, exactly as an
// RTM_NEWLINK message's IFLA_STATS64 sets them.
void ApplyLinkStats64(std::span<const std::uint8_t> stats64, InterfaceRow& record);

// MIB-II ifType for a kernel link type (ethernet 6, wireless 71, loopback 24, ppp 23,
// tunnel 131, anything else 1).
std::uint32_t MibInterfaceType(std::uint16_t arphrdType, bool wireless);

// MIB-II ifOperStatus for IFLA_OPERSTATE (RFC 2863 values, unknown 4 for anything else).
std::uint32_t MibOperStatus(std::uint8_t operState);

}  // namespace bytelora
