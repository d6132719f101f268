// Adapters plugged in and out while the monitor runs, on the real kernel table: in two
// network namespaces of the test's own, veth pairs come and go every few hundred
// milliseconds while traffic flows over them, and the sampler with the meter reads the
// live table inside one of the namespaces. No rate may be negative, and none may be
// more than what was really sent. Needs root and `ip netns`; about half a minute.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "monitor/TrafficWatch.h"
#include "netstats/LinuxInterfaceTable.h"
#include "support/ChildProcess.h"
#include "support/NetworkNamespace.h"

namespace bytelora {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto kRunTime = 25s;
constexpr int kPairs = 6;               // veth pair numbers 1..6, each up or not
constexpr std::size_t kPayload = 1000;  // bytes of one datagram
constexpr std::size_t kOnTheWire = kPayload + 8 + 20 + 14;  // + UDP, IPv4, Ethernet
constexpr int kDatagramsPerRead = 40;  // at most 160 per second: about 170 KB/s

using testing::Shell;

std::string Address(int pair, int end) {
    return "10.77." + std::to_string(pair) + "." + std::to_string(end);
}

struct Namespaces {
    std::string a = "bytelora-hp-a-" + std::to_string(::getpid());
    std::string b = "bytelora-hp-b-" + std::to_string(::getpid());
    bool made = false;

    Namespaces() {
        made = Shell("ip netns add " + a) && Shell("ip netns add " + b) &&
               Shell("ip -n " + a + " link set lo up") && Shell("ip -n " + b + " link set lo up");
    }
    ~Namespaces() {
        // Deleting a namespace deletes the veth ends inside it, and with them their peers.
        Shell("ip netns del " + a);
        Shell("ip netns del " + b);
    }
    bool Plug(int pair) const {
        const std::string end1 = "hpa" + std::to_string(pair);
        const std::string end2 = "hpb" + std::to_string(pair);
        return Shell("ip -n " + a + " link add " + end1 + " type veth peer name " + end2 +
                     " netns " + b) &&
               Shell("ip -n " + a + " addr add " + Address(pair, 1) + "/24 dev " + end1) &&
               Shell("ip -n " + b + " addr add " + Address(pair, 2) + "/24 dev " + end2) &&
               Shell("ip -n " + a + " link set " + end1 + " up") &&
               Shell("ip -n " + b + " link set " + end2 + " up");
    }
    // Either end may go; the pair goes with it.
    bool Unplug(int pair, bool fromPeerSide) const {
        return fromPeerSide ? Shell("ip -n " + b + " link del hpb" + std::to_string(pair))
                            : Shell("ip -n " + a + " link del hpa" + std::to_string(pair));
    }
};

// One tick of the meter, with the bytes the monitor's side put on the wire over the
// reads that the tick measured.
struct Tick {
    double seconds = 0;
    double download = 0;  // KB/s
    double upload = 0;
    double sentOnTheWire = 0;  // bytes
};

// Runs inside namespace `a` (a child process): samples four times a second, ticks once a
// second, and sends datagrams to whichever peers exist. Writes one line per tick and a
// last line with the totals to `out`.
[[noreturn]] void MonitorInside(const std::string& name, int out) {
    if (!testing::EnterNamedNetworkNamespace(name)) ::_exit(3);
    // sysfs as this namespace sees it, as `ip netns exec` does, for the link look-ups.
    testing::MountSysfsOfThisNetworkNamespace();

    const int sock = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (sock < 0) ::_exit(4);
    const std::string payload(kPayload, 'b');

    LinuxInterfaceTable table;
    TrafficWatch watch(table.CounterBits());
    std::ostringstream report;
    double sentSinceRead = 0;
    double sentOverTick = 0;
    double sentTotal = 0;
    std::size_t mostInterfaces = 0;
    const Clock::time_point start = Clock::now();
    Clock::time_point due = start;
    for (int read = 1; Clock::now() - start < kRunTime; ++read) {
        std::this_thread::sleep_until(due);
        due += 250ms;
        InterfaceTable rows;
        table.Read(rows);
        watch.Sample(rows, Clock::now());
        mostInterfaces = std::max(mostInterfaces, watch.Sampler().TrackedInterfaces());
        sentOverTick += sentSinceRead;  // what this read counted went out before it
        sentSinceRead = 0;
        if (read % 4 == 0) {
            const ThroughputReading& reading = watch.Tick();
            report << "tick " << reading.seconds << ' ' << reading.downloadRate << ' '
                   << reading.uploadRate << ' ' << sentOverTick << '\n';
            sentOverTick = 0;
        }
        for (int d = 0; d < kDatagramsPerRead; ++d) {
            sockaddr_in to{};
            to.sin_family = AF_INET;
            to.sin_port = htons(9);
            const int pair = 1 + d % kPairs;
            ::inet_pton(AF_INET, Address(pair, 2).c_str(), &to.sin_addr);
            if (::sendto(sock, payload.data(), payload.size(), 0,
                         reinterpret_cast<const sockaddr*>(&to),
                         sizeof to) == static_cast<ssize_t>(payload.size())) {
                sentSinceRead += kOnTheWire;
                sentTotal += kOnTheWire;
            }
        }
    }
    const TrafficTotals& totals = watch.Sampler().Totals();
    report << "total " << totals.bytesReceived << ' ' << totals.bytesSent << ' ' << sentTotal << ' '
           << mostInterfaces << '\n';
    const std::string text = report.str();
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(out, text.data() + done, text.size() - done);
        if (n <= 0) ::_exit(5);
        done += static_cast<std::size_t>(n);
    }
    ::_exit(0);
}

TEST(HotPlug, AdaptersComingAndGoingNeverGiveANegativeRateOrAJump) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root for network namespaces";
    const Namespaces spaces;
    if (!spaces.made) GTEST_SKIP() << "ip netns add is not permitted here";

    // Plug and unplug at random while the child measures.
    std::mt19937 random(7);
    std::vector<bool> plugged(kPairs + 1, false);
    int plugs = 0;
    int unplugs = 0;
    const auto plugAndUnplug = [&] {
        const Clock::time_point start = Clock::now();
        while (Clock::now() - start < kRunTime - 1s) {
            const int pair = 1 + static_cast<int>(random() % kPairs);
            if (!plugged[pair]) {
                plugged[pair] = spaces.Plug(pair);
                plugs += plugged[pair] ? 1 : 0;
            } else if (random() % 2 == 0) {
                plugged[pair] = !spaces.Unplug(pair, random() % 2 == 0);
                unplugs += plugged[pair] ? 0 : 1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(150 + random() % 300));
        }
    };
    const testing::ChildResult child =
        testing::RunInChild([&](int out) { MonitorInside(spaces.a, out); }, plugAndUnplug);
    ASSERT_TRUE(child.ExitedCleanly()) << child.status;
    const std::string& output = child.output;

    std::vector<Tick> ticks;
    double received = 0, sent = 0, sentByUs = 0, mostInterfaces = 0;
    std::istringstream lines(output);
    for (std::string word; lines >> word;) {
        if (word == "tick") {
            Tick tick;
            lines >> tick.seconds >> tick.download >> tick.upload >> tick.sentOnTheWire;
            ticks.push_back(tick);
        } else if (word == "total") {
            lines >> received >> sent >> sentByUs >> mostInterfaces;
        }
    }
    ASSERT_GE(ticks.size(), 20u) << output;
    EXPECT_GE(plugs, 8);
    EXPECT_GE(unplugs, 4);
    EXPECT_GE(mostInterfaces, 3);  // loopback is left out: at least three pairs at once

    // Slack for what the kernel sends by itself on a new link (neighbour discovery, ARP)
    // and for a datagram held back until its neighbour was resolved.
    constexpr double kSlackBytes = 64 * 1024;
    double previousWindow = 0;
    double peakUpload = 0;
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        const Tick& tick = ticks[i];
        SCOPED_TRACE("tick " + std::to_string(i));
        EXPECT_TRUE(std::isfinite(tick.download) && tick.download >= 0) << tick.download;
        EXPECT_TRUE(std::isfinite(tick.upload) && tick.upload >= 0) << tick.upload;
        const double budget = 1.1 * (tick.sentOnTheWire + previousWindow) + kSlackBytes;
        EXPECT_LE(tick.upload * 1024 * tick.seconds, budget) << "upload jumped";
        // What comes back is the peers' answers (port unreachable), never more than went out.
        EXPECT_LE(tick.download * 1024 * tick.seconds, budget) << "download jumped";
        previousWindow = tick.sentOnTheWire;
        peakUpload = std::max(peakUpload, tick.upload);
    }
    // The traffic was really seen, and nothing beyond it was counted.
    EXPECT_GT(sentByUs, 100 * 1024);
    EXPECT_GE(sent, 0.5 * sentByUs);
    EXPECT_LE(sent, 1.1 * sentByUs + 4 * kSlackBytes);
    EXPECT_LE(received, 1.1 * sentByUs + 4 * kSlackBytes);
    std::printf(
        "hot-plug: %zu ticks, %d plugs, %d unplugs, up to %.0f interfaces; "
        "sent %.0f KB, counted %.0f KB up and %.0f KB down; peak upload %.0f KB/s\n",
        ticks.size(), plugs, unplugs, mostInterfaces, sentByUs / 1024, sent / 1024, received / 1024,
        peakUpload);
}

}  // namespace
}  // namespace bytelora
