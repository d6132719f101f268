#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "netstats/InterfaceProbe.h"
#include "netstats/LinuxSysfs.h"

namespace bytelora {

// The interface index that one RTM_NEWROUTE payload (the rtmsg and its attributes,
// without the netlink header) sends a default route through: IPv4 or IPv6, prefix
// length 0, a unicast route outside the local table. A multipath route gives each of
// its next hops. Never reads outside `payload`.
void DefaultRouteInterfaces(std::span<const std::uint8_t> payload,
                            std::vector<std::uint32_t>& indexes);

// Every interface index that carries a default route, by one RTM_GETROUTE dump; nullopt
// when the dump failed.
std::optional<std::vector<std::uint32_t>> DumpDefaultRouteInterfaces();

// Whether `name` has hardware behind it: its <root>/<name> entry links to a device that
// is not under devices/virtual/net. An interface sysfs does not show (another network
// namespace's sysfs) is taken for a virtual one.
bool HasHardwareDevice(const std::string& name, const std::string& root = kSysClassNet);

// Linux facts: sysfs decides "hardware" once per new interface index, and one route
// dump per change of the interface set finds the default routes.
class LinuxInterfaceProbe final : public InterfaceProbe {
  public:
    using RouteDump = std::function<std::optional<std::vector<std::uint32_t>>()>;

    explicit LinuxInterfaceProbe(std::string sysClassNet = kSysClassNet,
                                 RouteDump routes = DumpDefaultRouteInterfaces);

    void Probe(const InterfaceTable& table, std::vector<InterfaceFacts>& facts) override;

    // How many sysfs look-ups were made (once per new interface).
    std::uint64_t Lookups() const { return lookups_; }

  private:
    struct Known {
        std::uint32_t index;
        std::string name;
        bool hardware;
    };

    std::string sysClassNet_;
    RouteDump routes_;
    std::vector<Known> known_;
    std::uint64_t lookups_ = 0;
};

}  // namespace bytelora
