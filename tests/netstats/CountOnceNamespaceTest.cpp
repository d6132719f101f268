// Each byte counted once on the real kernel table: in network namespaces of the test's
// own, a "host" has a bridge with a veth port leading into a "guest" (a container), and
// an uplink veth with the default route. The guest sends through the bridge, the host
// forwards it out of the uplink. Everything here is virtual, so the automatic choice
// falls to the default-route rule: the uplink counts, the bridge and the port do not,
// and the measured rates add up to the uplink's own counters. Needs root and `ip netns`.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <thread>

#include "monitor/TrafficWatch.h"
#include "netstats/LinuxInterfaceTable.h"
#include "support/ChildProcess.h"
#include "support/NetworkNamespace.h"

namespace bytelora {
namespace {

using namespace std::chrono_literals;

using testing::Shell;

struct Network {
    const std::string suffix = std::to_string(::getpid());
    const std::string host = "i15-once-host-" + suffix;
    const std::string guest = "i15-once-guest-" + suffix;
    const std::string up = "i15-once-up-" + suffix;
    bool made = false;

    Network() {
        const std::string h = "ip -n " + host + " ", g = "ip -n " + guest + " ",
                          u = "ip -n " + up + " ";
        made = Shell("ip netns add " + host) && Shell("ip netns add " + guest) &&
               Shell("ip netns add " + up) &&
               // The bridge with a port into the guest.
               Shell(h + "link add br0 type bridge") &&
               Shell(h + "link add gport type veth peer name geth netns " + guest) &&
               Shell(h + "link set gport master br0") &&
               Shell(h + "addr add 10.88.1.1/24 dev br0") &&
               Shell(g + "addr add 10.88.1.2/24 dev geth") &&
               // The uplink, with the host's default route.
               Shell(h + "link add up0 type veth peer name up1 netns " + up) &&
               Shell(h + "addr add 10.88.2.1/24 dev up0") &&
               Shell(u + "addr add 10.88.2.2/24 dev up1") && Shell(h + "link set lo up") &&
               Shell(h + "link set br0 up") && Shell(h + "link set gport up") &&
               Shell(h + "link set up0 up") && Shell(g + "link set lo up") &&
               Shell(g + "link set geth up") && Shell(u + "link set lo up") &&
               Shell(u + "link set up1 up") && Shell(h + "route add default via 10.88.2.2") &&
               Shell(g + "route add default via 10.88.1.1") &&
               Shell(u + "route add 10.88.1.0/24 via 10.88.2.1") &&
               Shell("ip netns exec " + host + " sysctl -qw net.ipv4.ip_forward=1");
    }
    ~Network() {
        for (const auto& name : {host, guest, up}) Shell("ip netns del " + name);
    }
};

// Runs in a child: sends from inside the guest, measures inside the host, and writes
// what it found to `out`.
[[noreturn]] void MeasureInside(const Network& net, int out) {
    if (!testing::EnterNamedNetworkNamespace(net.guest)) ::_exit(3);
    // A socket stays in the namespace it was made in.
    const int sender = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (sender < 0 || !testing::EnterNamedNetworkNamespace(net.host)) ::_exit(4);
    // sysfs as the host namespace sees it, for the hardware look-ups.
    if (!testing::MountSysfsOfThisNetworkNamespace().empty()) ::_exit(5);

    LinuxInterfaceTable table;
    TrafficWatch watch(table.CounterBits(), ",", table.Probe());
    std::map<std::string, std::pair<std::uint64_t, std::uint64_t>> first, last;
    const auto read = [&](bool isFirst) {
        InterfaceTable rows;
        table.Read(rows);
        watch.Sample(rows, std::chrono::steady_clock::now());
        for (const auto& row : rows) {
            (isFirst ? first : last)[row->InterfaceName()] = {row->OctetsReceived(),
                                                              row->OctetsSent()};
        }
    };
    read(true);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(9);
    ::inet_pton(AF_INET, "10.88.2.2", &to.sin_addr);
    const std::string payload(1000, 'x');
    double up = 0, down = 0;
    for (int sample = 1; sample <= 16; ++sample) {
        for (int d = 0; d < 60; ++d) {
            ::sendto(sender, payload.data(), payload.size(), 0,
                     reinterpret_cast<const sockaddr*>(&to), sizeof to);
        }
        std::this_thread::sleep_for(250ms);
        read(false);
        if (sample % 4 == 0) {
            const ThroughputReading& reading = watch.Tick();
            up += reading.uploadRate * reading.seconds * 1024;
            down += reading.downloadRate * reading.seconds * 1024;
        }
    }
    std::ostringstream report;
    report << "rates " << up << ' ' << down << '\n';
    report << "uplink " << last["up0"].second - first["up0"].second << ' '
           << last["up0"].first - first["up0"].first << '\n';
    report << "bridge " << last["br0"].first - first["br0"].first << '\n';
    std::size_t position = 0;
    InterfaceTable rows;
    table.Read(rows);
    watch.Selection().Update(rows);
    for (const auto& row : rows) {
        report << "reason " << row->InterfaceName() << ' '
               << static_cast<int>(watch.Selection().Reason(position++)) << '\n';
    }
    const std::string text = report.str();
    if (::write(out, text.data(), text.size()) != static_cast<ssize_t>(text.size())) ::_exit(7);
    ::_exit(0);
}

TEST(CountOnce, ABridgedGuestsTrafficCountsOnlyOnTheUplink) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root for network namespaces";
    const Network net;
    if (!net.made) GTEST_SKIP() << "network namespaces with a bridge are not permitted here";

    const testing::ChildResult child =
        testing::RunInChild([&](int out) { MeasureInside(net, out); });
    ASSERT_TRUE(child.ExitedCleanly()) << child.status;
    const std::string& output = child.output;

    double up = 0, down = 0, uplinkSent = 0, uplinkReceived = 0, bridgeReceived = 0;
    std::map<std::string, int> reasons;
    std::istringstream lines(output);
    for (std::string word; lines >> word;) {
        if (word == "rates") lines >> up >> down;
        if (word == "uplink") lines >> uplinkSent >> uplinkReceived;
        if (word == "bridge") lines >> bridgeReceived;
        if (word == "reason") {
            std::string name;
            int reason = 0;
            lines >> name >> reason;
            reasons[name] = reason;
        }
    }
    // The guest's traffic went through the bridge and out of the uplink.
    ASSERT_GT(uplinkSent, 500'000) << output;
    ASSERT_GT(bridgeReceived, 500'000) << output;
    EXPECT_NEAR(up, uplinkSent, 0.03 * uplinkSent) << output;
    EXPECT_NEAR(down, uplinkReceived, 0.03 * uplinkReceived + 1024) << output;
    EXPECT_EQ(reasons["up0"], static_cast<int>(CountReason::DefaultRoute)) << output;
    EXPECT_EQ(reasons["br0"], static_cast<int>(CountReason::NoDefaultRoute)) << output;
    EXPECT_EQ(reasons["gport"], static_cast<int>(CountReason::NoDefaultRoute)) << output;
    EXPECT_EQ(reasons["lo"], static_cast<int>(CountReason::Loopback)) << output;
    std::printf(
        "count-once: rates add up to %.0f B sent, %.0f B received; the uplink's "
        "counters say %.0f and %.0f; the bridge received %.0f B\n",
        up, down, uplinkSent, uplinkReceived, bridgeReceived);
}

}  // namespace
}  // namespace bytelora
