#include "monitor/TrafficWatch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "InterfaceTables.h"
#include "support/FakeClock.h"

namespace bytelora {
namespace {

using namespace std::chrono_literals;
using testing::FakeClock;
using testing::Table;

// A link that moves `bytesPerSecond` each way, read through the fake clock.
struct SteadyLink {
    FakeClock& clock;
    double bytesPerSecond;
    std::chrono::steady_clock::time_point start = clock.Monotonic();
    int reads = 0;

    std::shared_ptr<InterfaceTable> operator()() {
        ++reads;
        const double seconds = std::chrono::duration<double>(clock.Monotonic() - start).count();
        const auto count = static_cast<std::uint64_t>(seconds * bytesPerSecond) + 1'000'000;
        return std::make_shared<InterfaceTable>(Table({{2, "eth0", count, count / 2}}));
    }
};

TEST(TrafficWatch, ReportsOnceASecondFromFourReads) {
    FakeClock clock;
    SteadyLink link{clock, 100 * 1024.0};
    std::vector<std::string> lines;
    std::chrono::steady_clock::duration slept{};

    const std::uint64_t made = RunWatch(
        std::ref(link), clock,
        [&](std::chrono::steady_clock::duration d) {
            slept += d;
            clock.Advance(d);
        },
        [&](const ThroughputReading& r) {
            lines.push_back(WatchLine(r));
            return true;
        },
        WatchOptions{.reports = 3});

    EXPECT_EQ(made, 3u);
    EXPECT_EQ(link.reads, 13);
    EXPECT_EQ(slept, 3s);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Download: 100 Kb/s Upload: 50 Kb/s Received: 100 KB Sent: 50 KB");
    EXPECT_EQ(lines[2], "Download: 100 Kb/s Upload: 50 Kb/s Received: 300 KB Sent: 150 KB");
}

TEST(TrafficWatch, AStallGivesTheAverageAndTheScheduleGoesOnFromThePresent) {
    FakeClock clock;
    SteadyLink link{clock, 10 * 1024.0};
    std::vector<std::chrono::steady_clock::duration> sleeps;
    std::vector<std::string> rates;

    RunWatch(
        std::ref(link), clock,
        [&](std::chrono::steady_clock::duration d) {
            sleeps.push_back(d);
            // The third wait takes 10 s instead of 250 ms.
            clock.Advance(sleeps.size() == 3 ? std::chrono::steady_clock::duration(10s) : d);
        },
        [&](const ThroughputReading& r) {
            rates.push_back(r.downloadText);
            return rates.size() < 2;
        });

    ASSERT_EQ(rates.size(), 2u);
    EXPECT_EQ(rates[0], "10 Kb/s");
    EXPECT_EQ(rates[1], "10 Kb/s");
    ASSERT_GE(sleeps.size(), 5u);
    EXPECT_EQ(sleeps[3], std::chrono::steady_clock::duration(0));
    EXPECT_EQ(sleeps[4], std::chrono::steady_clock::duration(250ms));
}

TEST(TrafficWatch, FailedReadsDoNotDisturbTheCount) {
    FakeClock clock;
    SteadyLink link{clock, 1024.0};
    int call = 0;
    std::string last;
    RunWatch(
        [&]() -> std::shared_ptr<InterfaceTable> {
            ++call;
            if (call % 3 == 0) return nullptr;
            if (call % 5 == 0) return std::make_shared<InterfaceTable>();
            return link();
        },
        clock, [&](std::chrono::steady_clock::duration d) { clock.Advance(d); },
        [&](const ThroughputReading& r) {
            last = r.receivedTotalText;
            EXPECT_LE(r.download, 1);
            return true;
        },
        WatchOptions{.reports = 8});
    EXPECT_EQ(last, "8");
}

TEST(TrafficWatch, KeepsTheCumulativeTextsOfTheMainWindow) {
    TrafficWatch watch(32, ".");
    watch.Sample(Table({{1, "eth0", 10, 10}}), testing::At(0));
    EXPECT_EQ(watch.ReceivedText(), "0");
    watch.Sample(Table({{1, "eth0", 10 + 1'234'567ull * 1024, 10 + 1536}}), testing::At(2));
    EXPECT_EQ(watch.ReceivedText(), "1.234.567");
    EXPECT_EQ(watch.SentText(), "2");
    EXPECT_EQ(watch.Tick().downloadText, "617284 Kb/s");
}

}  // namespace
}  // namespace bytelora
