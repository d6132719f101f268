// A whole day of the live monitor and the logging scheduler at "Log every 5 seconds",
// run against a clock that moves only when told: every snapshot lands in the log, and
// after the first hour nothing is allocated that is not given back.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <new>
#include <string>

#include "history/LoggingScheduler.h"
#include "history/SnapshotWriter.h"
#include "monitor/TrafficWatch.h"
#include "support/FakeClock.h"
#include "support/FakeInterfaceTable.h"
#include "support/FileBytes.h"
#include "support/LogLines.h"
#include "support/TempDir.h"

// Every allocation of this test program goes through here, so that the blocks and bytes
// alive at any moment can be counted.
namespace {
std::atomic<long long> liveBlocks{0};
std::atomic<long long> liveBytes{0};
std::atomic<long long> allocations{0};
constexpr std::size_t kHeader = 16;  // keeps the block aligned for any fundamental type

void* Allocate(std::size_t size) {
    auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
    if (block == nullptr) return nullptr;
    *reinterpret_cast<std::size_t*>(block) = size;
    liveBlocks.fetch_add(1, std::memory_order_relaxed);
    allocations.fetch_add(1, std::memory_order_relaxed);
    liveBytes.fetch_add(static_cast<long long>(size), std::memory_order_relaxed);
    return block + kHeader;
}

void Release(void* pointer) noexcept {
    if (pointer == nullptr) return;
    auto* block = static_cast<unsigned char*>(pointer) - kHeader;
    liveBlocks.fetch_sub(1, std::memory_order_relaxed);
    liveBytes.fetch_sub(static_cast<long long>(*reinterpret_cast<std::size_t*>(block)),
                        std::memory_order_relaxed);
    std::free(block);
}

void* AllocateOrThrow(std::size_t size) {
    if (void* pointer = Allocate(size)) return pointer;
    throw std::bad_alloc();
}
}  // namespace

void* operator new(std::size_t size) {
    return AllocateOrThrow(size);
}
void* operator new[](std::size_t size) {
    return AllocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void operator delete(void* pointer) noexcept {
    Release(pointer);
}
void operator delete[](void* pointer) noexcept {
    Release(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
    Release(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept {
    Release(pointer);
}
void operator delete(void* pointer, const std::nothrow_t&) noexcept {
    Release(pointer);
}
void operator delete[](void* pointer, const std::nothrow_t&) noexcept {
    Release(pointer);
}

namespace bytelora::testing {
namespace {

using namespace std::chrono_literals;

constexpr int kSecondsPerDay = 24 * 60 * 60;
constexpr std::int32_t kEveryFiveSeconds = 5;
// 64 KB/s down and 1 KB/s up, in the four reads of each second: over a day the 32-bit
// download counter wraps once.
constexpr std::uint64_t kInPerRead = 16 * 1024;
constexpr std::uint64_t kOutPerRead = 256;

struct Day {
    FakeInterfaceTable table;
    FakeClock clock;
    TrafficWatch watch{32};
    LoggingScheduler scheduler;
    std::uint64_t inOctets = 4'000'000'000u;  // close to the wrap from the start
    std::uint64_t outOctets = 0;
    int snapshots = 0;
    int rows = 0;
    int wrongRates = 0;
    std::string downloadText;
    std::string uploadText;
    std::string logPath;

    explicit Day(std::string log) : logPath(std::move(log)) {
        table.SetCounterBits(32);
        table.AddRow("lo", 1, kIfTypeLoopback, 0, 0);
        table.AddRow("eth0", 2, kIfTypeEthernet, inOctets, 0);
        scheduler.SetLogInterval(kEveryFiveSeconds);
    }

    void Second() {
        for (int read = 0; read < 4; ++read) {
            inOctets += kInPerRead;
            outOctets += kOutPerRead;
            table.SetOctets(1, inOctets & 0xFFFFFFFFu, outOctets & 0xFFFFFFFFu);
            InterfaceTable tableRead;
            table.Read(tableRead);
            watch.Sample(tableRead, clock.Monotonic());
            clock.Advance(250ms);
        }
        const ThroughputReading& reading = watch.Tick();
        if (reading.downloadText != "64 Kb/s" || reading.uploadText != "1 Kb/s") ++wrongRates;
        downloadText = reading.downloadText;
        uploadText = reading.uploadText;

        scheduler.SetLogInterval(kEveryFiveSeconds);
        scheduler.CountTick();
        if (!scheduler.SnapshotDue()) return;
        const SnapshotSources sources{
            [this] { return "second " + std::to_string(snapshots * kEveryFiveSeconds); },
            [this] { return downloadText; }, [this] { return uploadText; }};
        WriteSnapshot(
            sources, [this](const std::string&) { ++rows; }, logPath);
        ++snapshots;
        scheduler.Restart();
    }
};

TEST(DayOfSnapshots, EveryFiveSecondsForADayIsExactly17280LinesWithNoGrowth) {
    TempDir dir;
    Day day((dir / "Bytelora.txt").string());
    day.Second();  // the first read only sets the starting point

    for (int second = 1; second < 60 * 60; ++second) day.Second();  // warm-up: the first hour
    const long long blocksAfterWarmUp = liveBlocks.load();
    const long long bytesAfterWarmUp = liveBytes.load();
    const long long allocationsAfterWarmUp = allocations.load();
    for (int second = 60 * 60; second < kSecondsPerDay; ++second) day.Second();
    const long long blocksAtEnd = liveBlocks.load();
    const long long bytesAtEnd = liveBytes.load();

    EXPECT_EQ(day.snapshots, kSecondsPerDay / kEveryFiveSeconds);
    EXPECT_EQ(day.snapshots, 17280);
    EXPECT_EQ(day.rows, 17280);
    EXPECT_EQ(day.wrongRates, 0);
    // The count is real: the day allocates and frees all the time (table reads, texts).
    EXPECT_GT(allocations.load() - allocationsAfterWarmUp, 17280);
    EXPECT_EQ(blocksAtEnd, blocksAfterWarmUp);
    EXPECT_EQ(bytesAtEnd, bytesAfterWarmUp);
    const TrafficTotals& totals = day.watch.Sampler().Totals();
    EXPECT_EQ(totals.bytesReceived, (kSecondsPerDay * 4 - 1) * kInPerRead);
    EXPECT_EQ(totals.bytesSent, (kSecondsPerDay * 4 - 1) * kOutPerRead);

    const LogLines log = SplitLogLines(ReadFileBytes(day.logPath));
    ASSERT_TRUE(log.whole) << "partial last line";
    for (std::size_t line = 0; line < log.lines.size(); ++line) {
        ASSERT_EQ(log.lines[line], "second " + std::to_string(line * kEveryFiveSeconds) +
                                       " Download: 64 Kb/s Upload: 1 Kb/s");
    }
    EXPECT_EQ(log.lines.size(), 17280u);
}

}  // namespace
}  // namespace bytelora::testing
