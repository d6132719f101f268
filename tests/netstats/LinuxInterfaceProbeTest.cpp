// Linux facts from a fake sysfs and crafted route messages.
#include "netstats/LinuxInterfaceProbe.h"

#include <gtest/gtest.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <vector>

#include "support/TempDir.h"

namespace bytelora {
namespace {

namespace fs = std::filesystem;

// An RTM_NEWROUTE payload: the rtmsg and then its attributes.
class RoutePayload {
  public:
    RoutePayload(unsigned char family, unsigned char prefix, unsigned char type = RTN_UNICAST,
                 unsigned char table = RT_TABLE_MAIN) {
        rtmsg route{};
        route.rtm_family = family;
        route.rtm_dst_len = prefix;
        route.rtm_type = type;
        route.rtm_table = table;
        Append(&route, sizeof(route));
    }
    RoutePayload& U32(unsigned short type, std::uint32_t value) {
        return Attr(type, &value, sizeof(value));
    }
    RoutePayload& Attr(unsigned short type, const void* data, std::size_t size) {
        const rtattr header{static_cast<unsigned short>(RTA_LENGTH(size)), type};
        Append(&header, sizeof(header));
        Append(data, size);
        bytes_.resize(RTA_ALIGN(bytes_.size()));
        return *this;
    }
    // An attribute whose length runs past the message.
    RoutePayload& Overlong(unsigned short type) {
        const rtattr header{200, type};
        const std::uint32_t value = 3;
        Append(&header, sizeof(header));
        Append(&value, sizeof(value));
        return *this;
    }
    std::vector<std::uint32_t> Defaults() const {
        std::vector<std::uint32_t> indexes;
        DefaultRouteInterfaces(bytes_, indexes);
        return indexes;
    }
    std::vector<std::uint8_t> bytes_;

  private:
    void Append(const void* data, std::size_t size) {
        const auto* p = static_cast<const std::uint8_t*>(data);
        bytes_.insert(bytes_.end(), p, p + size);
    }
};

TEST(LinuxInterfaceProbeTest, DefaultRoutesFromRouteMessages) {
    using V = std::vector<std::uint32_t>;
    EXPECT_EQ(RoutePayload(AF_INET, 0).U32(RTA_OIF, 3).Defaults(), V{3});
    EXPECT_EQ(RoutePayload(AF_INET6, 0).U32(RTA_OIF, 4).Defaults(), V{4});
    // Not a default route: a prefix, an unreachable default, a local-table route (in the
    // header or, for table numbers above 255, in RTA_TABLE), another family.
    EXPECT_EQ(RoutePayload(AF_INET, 24).U32(RTA_OIF, 3).Defaults(), V{});
    EXPECT_EQ(RoutePayload(AF_INET6, 0, RTN_UNREACHABLE).U32(RTA_OIF, 1).Defaults(), V{});
    EXPECT_EQ(RoutePayload(AF_INET, 0, RTN_UNICAST, RT_TABLE_LOCAL).U32(RTA_OIF, 3).Defaults(),
              V{});
    EXPECT_EQ(RoutePayload(AF_INET, 0, RTN_UNICAST, RT_TABLE_UNSPEC)
                  .U32(RTA_TABLE, RT_TABLE_LOCAL)
                  .U32(RTA_OIF, 3)
                  .Defaults(),
              V{});
    EXPECT_EQ(RoutePayload(AF_BRIDGE, 0).U32(RTA_OIF, 3).Defaults(), V{});

    // A multipath default gives each next hop.
    std::vector<std::uint8_t> hops;
    for (int index : {5, 6}) {
        rtnexthop hop{};
        hop.rtnh_len = sizeof(hop);
        hop.rtnh_ifindex = index;
        const auto* p = reinterpret_cast<const std::uint8_t*>(&hop);
        hops.insert(hops.end(), p, p + sizeof(hop));
    }
    EXPECT_EQ(RoutePayload(AF_INET, 0).Attr(RTA_MULTIPATH, hops.data(), hops.size()).Defaults(),
              (V{5, 6}));

    // Cut or lying messages are read only as far as they go.
    RoutePayload cut = RoutePayload(AF_INET, 0).U32(RTA_OIF, 3);
    for (std::size_t size = 0; size < cut.bytes_.size(); ++size) {
        std::vector<std::uint32_t> indexes;
        DefaultRouteInterfaces(std::span(cut.bytes_.data(), size), indexes);
        EXPECT_TRUE(indexes.empty()) << size;
    }
    EXPECT_EQ(RoutePayload(AF_INET, 0).Overlong(RTA_OIF).Defaults(), V{});
}

// sysfs as the kernel lays it out: /sys/class/net/<name> links to the device.
class FakeSysfs {
  public:
    void Add(const std::string& name, const std::string& device) {
        fs::create_directories(dir_ / "class/net");
        fs::create_symlink("../../devices/" + device + "/net/" + name, dir_ / "class/net" / name);
    }
    std::string Root() const { return (dir_ / "class/net").string(); }

  private:
    testing::TempDir dir_;
};

InterfaceTable Table(const std::vector<std::pair<std::string, std::uint32_t>>& rows) {
    InterfaceTable table;
    for (const auto& [name, index] : rows) {
        auto record = std::make_shared<InterfaceRow>();
        record->InterfaceName(name);
        record->InterfaceIndex(index);
        table.Add(record);
    }
    return table;
}

TEST(LinuxInterfaceProbeTest, HardwareFromSysfsOncePerInterfaceAndRoutesPerProbe) {
    FakeSysfs sysfs;
    sysfs.Add("eno1", "pci0000:00/0000:00:1f.6");
    sysfs.Add("wlp2s0", "pci0000:00/0000:00:1c.0/0000:02:00.0");
    sysfs.Add("usb0", "pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0");
    for (const char* name : {"lo", "br0", "veth9", "wg0", "ifb0", "bond0", "eno1.10"}) {
        sysfs.Add(name, "virtual");
    }
    std::optional<std::vector<std::uint32_t>> routes = std::vector<std::uint32_t>{4, 9};
    int dumps = 0;
    LinuxInterfaceProbe probe(sysfs.Root(), [&] {
        ++dumps;
        return routes;
    });

    const InterfaceTable table = Table({{"lo", 1},
                                        {"eno1", 2},
                                        {"wlp2s0", 3},
                                        {"usb0", 4},
                                        {"br0", 5},
                                        {"veth9", 6},
                                        {"wg0", 9},
                                        {"ifb0", 10},
                                        {"bond0", 11},
                                        {"eno1.10", 12},
                                        {"gone", 13},
                                        {"../eno1", 14}});
    std::vector<InterfaceFacts> facts;
    probe.Probe(table, facts);
    ASSERT_EQ(facts.size(), 12u);
    const std::vector<bool> hardware = {false, true,  true,  true,  false, false,
                                        false, false, false, false, false, false};
    const std::vector<bool> route = {false, false, false, true,  false, false,
                                     true,  false, false, false, false, false};
    for (std::size_t i = 0; i < facts.size(); ++i) {
        EXPECT_EQ(facts[i].hardware, hardware[i]) << i;
        EXPECT_EQ(facts[i].defaultRoute, route[i]) << i;
    }
    EXPECT_EQ(probe.Lookups(), 12u);

    // Known interfaces are not looked up again; a failed route dump knows no routes.
    routes.reset();
    probe.Probe(Table({{"eno1", 2}, {"usb0", 4}, {"tun0", 20}}), facts);
    EXPECT_EQ(probe.Lookups(), 13u);
    EXPECT_EQ(dumps, 2);
    EXPECT_TRUE(facts[0].hardware);
    EXPECT_FALSE(facts[1].defaultRoute);

    // An index that comes back under another name is another interface.
    probe.Probe(Table({{"veth9", 2}}), facts);
    EXPECT_FALSE(facts[0].hardware);
    EXPECT_EQ(probe.Lookups(), 14u);
}

TEST(LinuxInterfaceProbeTest, TheLiveSystemAnswers) {
    // Whatever this machine has, loopback is virtual and the route dump works.
    EXPECT_FALSE(HasHardwareDevice("lo"));
    EXPECT_TRUE(DumpDefaultRouteInterfaces().has_value());
}

}  // namespace
}  // namespace bytelora
