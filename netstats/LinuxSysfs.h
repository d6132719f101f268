#pragma once

#include <cstdint>
#include <string>

namespace bytelora {

inline constexpr char kSysClassNet[] = "/sys/class/net";

// The link speed that the driver reports in <root>/<name>/speed, in megabits per second;
// 0 when the link is down, the speed is unknown (-1) or the name is no interface name.
std::uint32_t ReadLinkSpeedMbps(const std::string& name, const std::string& root = kSysClassNet);

// Whether the interface is a wireless one: its sysfs folder has "wireless" or "phy80211".
bool IsWirelessInterface(const std::string& name, const std::string& root = kSysClassNet);

}  // namespace bytelora
