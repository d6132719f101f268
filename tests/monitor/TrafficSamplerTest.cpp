#include "monitor/TrafficSampler.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "InterfaceTables.h"

namespace bytelora {
namespace {

using testing::At;
using testing::Table;

constexpr std::uint64_t k2To32 = std::uint64_t{1} << 32;

TEST(TrafficSampler, StartsFromTheFirstReadAndAddsEachInterfacesChangeSince) {
    TrafficSampler sampler(64);
    EXPECT_FALSE(sampler.Totals().started);

    sampler.Sample(Table({{1, "eth0", 5'000'000'000, 100}, {2, "wlan0", 50, 5}}), At(0));
    EXPECT_TRUE(sampler.Totals().started);
    EXPECT_EQ(sampler.Totals().bytesReceived, 0u);
    EXPECT_EQ(sampler.Totals().bytesSent, 0u);
    EXPECT_EQ(sampler.Totals().sampledAt, At(0));
    EXPECT_EQ(sampler.TrackedInterfaces(), 2u);

    sampler.Sample(Table({{1, "eth0", 5'000'001'536, 150}, {2, "wlan0", 60, 5}}), At(0.25));
    sampler.Sample(Table({{1, "eth0", 5'000'002'000, 160}, {2, "wlan0", 60, 45}}), At(0.5));
    EXPECT_EQ(sampler.Totals().bytesReceived, 2000u + (60u - 50u));
    EXPECT_EQ(sampler.Totals().bytesSent, (160u - 100u) + (45u - 5u));
    EXPECT_EQ(sampler.Totals().sampledAt, At(0.5));
    EXPECT_EQ(sampler.Totals().startedAt, At(0));
}

struct CounterCase {
    const char* what;
    unsigned bits;
    std::uint64_t before;
    std::uint64_t after;
    double seconds;
    std::uint64_t added;
};

class CounterChange : public ::testing::TestWithParam<CounterCase> {};

TEST_P(CounterChange, AddsWhatTheCounterReallyCounted) {
    const CounterCase& c = GetParam();
    TrafficSampler sampler(c.bits);
    sampler.Sample(Table({{7, "eth0", c.before, c.before}}), At(0));
    sampler.Sample(Table({{7, "eth0", c.after, c.after}}), At(c.seconds));
    EXPECT_EQ(sampler.Totals().bytesReceived, c.added) << c.what;
    EXPECT_EQ(sampler.Totals().bytesSent, c.added) << c.what;
    // The data usage takes the same change, by interface name.
    ASSERT_EQ(sampler.LastChanges().size(), 1u);
    EXPECT_EQ(sampler.LastChanges()[0].name, "eth0");
    EXPECT_EQ(sampler.LastChanges()[0].sent, c.added) << c.what;
    EXPECT_EQ(sampler.LastChanges()[0].counterSent, c.bits == 32 ? c.after % k2To32 : c.after);
    // A failed read changes nothing, and is not taken twice.
    sampler.Sample(Table({}), At(c.seconds + 0.25));
    EXPECT_TRUE(sampler.LastChanges().empty());
}

INSTANTIATE_TEST_SUITE_P(
    TrafficSampler, CounterChange,
    ::testing::Values(
        CounterCase{"unchanged", 32, 4000, 4000, 0.25, 0},
        CounterCase{"32-bit wrap", 32, k2To32 - 100, 50, 0.25, 150},
        CounterCase{"32-bit wrap after a long gap", 32, 3'000'000'000, 1'000'000'000, 10.0,
                    k2To32 - 2'000'000'000},
        CounterCase{"32-bit reset, too big for a wrap", 32, 1'000'000'000, 1000, 0.25, 1000},
        CounterCase{"32-bit reset to zero", 32, 70'000, 0, 0.25, 0},
        CounterCase{"64-bit counter passing 2^32", 64, k2To32 - 100, k2To32 + 50, 0.25, 150},
        CounterCase{"64-bit reset", 64, 5'000'000'000'000, 700, 0.25, 700},
        CounterCase{"64-bit reset near the top", 64, UINT64_MAX, 9, 0.25, 9}),
    [](const auto& param) { return "Case" + std::to_string(param.index); });

TEST(TrafficSampler, AnInterfaceThatArrivesOrLeavesCausesNoJump) {
    TrafficSampler sampler(64);
    sampler.Sample(Table({{1, "eth0", 10'000, 1'000}}), At(0));
    // A VPN adapter appears with large counters of its own.
    sampler.Sample(Table({{1, "eth0", 11'000, 1'100}, {9, "tun0", 8'000'000'000, 900'000}}),
                   At(0.25));
    EXPECT_EQ(sampler.Totals().bytesReceived, 1'000u);
    EXPECT_EQ(sampler.Totals().bytesSent, 100u);

    sampler.Sample(Table({{1, "eth0", 11'500, 1'100}, {9, "tun0", 8'000'002'000, 900'010}}),
                   At(0.5));
    EXPECT_EQ(sampler.Totals().bytesReceived, 3'500u);
    EXPECT_EQ(sampler.Totals().bytesSent, 110u);

    // It leaves: its bytes stay counted, the total does not fall.
    sampler.Sample(Table({{1, "eth0", 11'600, 1'100}}), At(0.75));
    EXPECT_EQ(sampler.Totals().bytesReceived, 3'600u);
    EXPECT_EQ(sampler.Totals().bytesSent, 110u);
    EXPECT_EQ(sampler.TrackedInterfaces(), 1u);

    // It comes back: it starts again from what it counts then.
    sampler.Sample(Table({{1, "eth0", 11'600, 1'100}, {9, "tun0", 50, 50}}), At(1.0));
    EXPECT_EQ(sampler.Totals().bytesReceived, 3'600u);
    EXPECT_EQ(sampler.Totals().bytesSent, 110u);
}

TEST(TrafficSampler, AnIndexGivenToAnotherAdapterIsANewInterface) {
    TrafficSampler sampler(32);
    sampler.Sample(Table({{3, "eth0", 900'000, 900'000}}), At(0));
    sampler.Sample(Table({{3, "usb0", 10, 20}}), At(0.25));
    EXPECT_EQ(sampler.Totals().bytesReceived, 0u);
    EXPECT_EQ(sampler.Totals().bytesSent, 0u);
}

TEST(TrafficSampler, LoopbackTrafficIsNotNetworkTraffic) {
    TrafficSampler sampler(64);
    sampler.Sample(Table({{1, "lo", 0, 0, kIfTypeLoopback}, {2, "eth0", 0, 0}}), At(0));
    sampler.Sample(Table({{1, "lo", 9'999'999, 9'999'999, kIfTypeLoopback}, {2, "eth0", 10, 20}}),
                   At(0.25));
    EXPECT_EQ(sampler.Totals().bytesReceived, 10u);
    EXPECT_EQ(sampler.Totals().bytesSent, 20u);
    EXPECT_EQ(sampler.TrackedInterfaces(), 1u);
}

TEST(TrafficSampler, AnEmptyTableAfterStartIsAFailedReadThatLosesNothing) {
    TrafficSampler sampler(64);
    sampler.Sample(Table({{2, "eth0", 1'000, 1'000}}), At(0));
    sampler.Sample(InterfaceTable{}, At(0.25));
    EXPECT_EQ(sampler.TrackedInterfaces(), 1u);
    EXPECT_EQ(sampler.Totals().sampledAt, At(0));

    sampler.Sample(Table({{2, "eth0", 5'000, 1'500}}), At(0.5));
    EXPECT_EQ(sampler.Totals().bytesReceived, 4'000u);
    EXPECT_EQ(sampler.Totals().bytesSent, 500u);
    EXPECT_EQ(sampler.Totals().sampledAt, At(0.5));
}

TEST(TrafficSampler, AnEmptyFirstReadStillCountsOnlyTrafficSinceStart) {
    TrafficSampler sampler(64);
    sampler.Sample(InterfaceTable{}, At(0));
    EXPECT_TRUE(sampler.Totals().started);
    sampler.Sample(Table({{2, "eth0", 7'000'000, 3'000'000}}), At(0.25));
    sampler.Sample(Table({{2, "eth0", 7'000'100, 3'000'000}}), At(0.5));
    EXPECT_EQ(sampler.Totals().bytesReceived, 100u);
    EXPECT_EQ(sampler.Totals().bytesSent, 0u);
    EXPECT_EQ(sampler.Totals().startedAt, At(0));
}

// A download into a container passes the uplink, the bridge and the veth port: with
// facts about them, only the uplink counts, and a change of choice makes no jump.
TEST(TrafficSampler, CountsEachByteOnceAndAChangeOfChoiceMakesNoJump) {
    class UplinkProbe final : public InterfaceProbe {
      public:
        void Probe(const InterfaceTable& table, std::vector<InterfaceFacts>& out) override {
            out.clear();
            for (const auto& row : table) out.push_back({row->InterfaceName() == "eth0", false});
        }
    } probe;
    InterfaceSelection selection(&probe);
    TrafficSampler sampler(64);
    sampler.CountWith(&selection);
    const auto host = [](std::uint64_t eth0, std::uint64_t br0, std::uint64_t veth) {
        return Table({{1, "lo", 999, 999, kIfTypeLoopback},
                      {2, "eth0", eth0, eth0 / 10},
                      {3, "br0", br0, br0 / 10},
                      {4, "veth1", veth, veth / 10}});
    };
    sampler.Sample(host(1'000'000, 500'000, 400'000), At(0));
    sampler.Sample(host(1'100'000, 600'000, 500'000), At(1));
    EXPECT_EQ(sampler.Totals().bytesReceived, 100'000u);
    EXPECT_EQ(sampler.Totals().bytesSent, 10'000u);

    // The user picks the bridge too: it counts from its counters at that read on.
    selection.Choose({"eth0", "br0"});
    sampler.Sample(host(1'100'000, 600'000, 500'000), At(2));
    EXPECT_EQ(sampler.Totals().bytesReceived, 100'000u);
    sampler.Sample(host(1'200'000, 650'000, 600'000), At(3));
    EXPECT_EQ(sampler.Totals().bytesReceived, 100'000u + 100'000u + 50'000u);

    // A chosen name that leaves counts nothing meanwhile and restarts on its return.
    selection.Choose({"usb0"});
    sampler.Sample(host(1'300'000, 700'000, 700'000), At(4));
    EXPECT_EQ(sampler.Totals().bytesReceived, 250'000u);
    EXPECT_EQ(sampler.TrackedInterfaces(), 0u);
    InterfaceTable back = host(1'400'000, 800'000, 800'000);
    auto usb = std::make_shared<InterfaceRow>();
    usb->InterfaceIndex(9);
    usb->InterfaceName("usb0");
    usb->OctetsReceived(7'000'000);
    back.Add(usb);
    sampler.Sample(back, At(5));
    usb = std::make_shared<InterfaceRow>(*back.Item(5));
    usb->OctetsReceived(7'000'300);
    InterfaceTable later = host(1'500'000, 900'000, 900'000);
    later.Add(usb);
    sampler.Sample(later, At(6));
    EXPECT_EQ(sampler.Totals().bytesReceived, 250'300u);
}

}  // namespace
}  // namespace bytelora
