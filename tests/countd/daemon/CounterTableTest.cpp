#include <gtest/gtest.h>

#include <map>

#include "countd/daemon/CounterTable.h"

namespace bytelora::countd {
namespace {

using namespace std::chrono_literals;

constexpr std::uint64_t kTick = 10'000'000;  // nanoseconds, at 100 ticks a second

TEST(ExecutablePath, JoinsTheKernelsReversedNames) {
    using namespace std::string_literals;
    EXPECT_EQ(ExecutablePathFromNames("curl\0bin\0usr\0"s, false), "/usr/bin/curl");
    EXPECT_EQ(ExecutablePathFromNames("init\0"s, false), "/init");
    EXPECT_EQ(ExecutablePathFromNames("deep\0er\0"s, true), ".../er/deep");
    // A name cut off at the buffer's end still counts; empty names are skipped.
    EXPECT_EQ(ExecutablePathFromNames("a\0\0b"s, false), "/b/a");
    EXPECT_EQ(ExecutablePathFromNames(""s, false), "");
}

// The system the table looks at: which pids run, and since when.
struct FakeSystem {
    std::map<std::uint32_t, std::uint64_t> running;  // pid -> start ticks
    ProcessProbe Probe() {
        return {[this](std::uint32_t pid) -> std::optional<std::uint64_t> {
                    auto it = running.find(pid);
                    if (it == running.end()) return std::nullopt;
                    return it->second;
                },
                [](std::uint32_t pid) {
                    return pid == 10 ? std::string("app-flatpak-org.x.Y-1.scope") : "";
                },
                kTick};
    }
};

ProcessSample Sample(std::uint32_t pid, std::uint64_t startTicks, std::uint32_t uid,
                     std::uint64_t received, std::uint64_t sent, std::string exe) {
    return {{pid, startTicks * kTick + 123},
            uid,
            {received, sent},
            "comm" + std::to_string(pid),
            std::move(exe)};
}

ProcessSample AfterExec(ProcessSample sample, std::uint32_t execId, std::string exe) {
    sample.key.execId = execId;
    sample.executable = std::move(exe);
    return sample;
}

TEST(CounterTable, EachUserSeesOnlyTheirOwnRootSeesAll) {
    FakeSystem system;
    system.running = {{10, 500}, {11, 600}, {12, 700}};
    CounterTable table(system.Probe(), 99);
    const std::vector<ProcessSample> samples = {Sample(10, 500, 1000, 1, 2, "/usr/bin/a"),
                                                Sample(11, 600, 1001, 3, 4, "/usr/bin/b"),
                                                Sample(12, 700, 0, 5, 6, "/usr/sbin/c")};
    const CounterTable::Unowned unowned{{9, 8}, {7, 6}, {{1000, 3}, {1001, 4}}};
    const Reply mine = table.ReplyFor(1000, samples, unowned);
    ASSERT_EQ(mine.processes.size(), 1u);
    EXPECT_EQ(mine.processes[0].pid, 10u);
    EXPECT_EQ(mine.processes[0].startTicks, 500u);
    EXPECT_EQ(mine.processes[0].unit, "app-flatpak-org.x.Y-1.scope");
    EXPECT_EQ(mine.startedUnix, 99);
    EXPECT_FALSE(mine.untagged);
    EXPECT_FALSE(mine.kernel);
    EXPECT_EQ(mine.refused, 3u);  // their own refused processes, no one else's
    const Reply stranger = table.ReplyFor(2000, samples, unowned);
    EXPECT_TRUE(stranger.processes.empty());
    EXPECT_EQ(stranger.refused, 0u);
    const Reply all = table.ReplyFor(0, samples, unowned);
    EXPECT_EQ(all.refused, 7u);
    EXPECT_EQ(all.processes.size(), 3u);
    EXPECT_EQ(all.untagged, (ByteCounts{9, 8}));
    EXPECT_EQ(all.kernel, (ByteCounts{7, 6}));
}

TEST(CounterTable, AnExecLeavesTheBytesBeforeItWithTheOldExecutable) {
    FakeSystem system;
    system.running = {{10, 500}};
    CounterTable table(system.Probe(), 0);
    const ProcessSample before = Sample(10, 500, 1000, 100, 50, "/usr/bin/wrapper");
    const ProcessSample after = AfterExec(Sample(10, 500, 1000, 7, 3, "?"), 1, "/usr/bin/real");
    // Until the new executable has a record, the running process is the old one.
    ASSERT_EQ(table.ReplyFor(0, {before}, {}).processes.size(), 1u);
    const Reply reply = table.ReplyFor(0, {before, after}, {});
    ASSERT_EQ(reply.processes.size(), 1u);
    EXPECT_EQ(reply.processes[0].executable, "/usr/bin/real");
    EXPECT_EQ(reply.processes[0].bytes, (ByteCounts{7, 3}));
    ASSERT_EQ(reply.exited.size(), 1u);
    EXPECT_EQ(reply.exited[0].executable, "/usr/bin/wrapper");
    EXPECT_EQ(reply.exited[0].bytes, (ByteCounts{100, 50}));
    // The old image is folded away after the grace time; the new one stays.
    const auto t0 = CounterTable::Clock::time_point{} + 1h;
    EXPECT_TRUE(table.ExitedLongEnough({before, after}, t0).empty());
    const auto due = table.ExitedLongEnough({before, after}, t0 + CounterTable::kGraceAfterExit);
    ASSERT_EQ(due.size(), 1u);
    EXPECT_EQ(due[0], before.key);
}

TEST(CounterTable, APidReusedByAnotherProcessIsNotTheSameProcess) {
    FakeSystem system;
    system.running = {{10, 800}};  // pid 10 now belongs to a later process
    CounterTable table(system.Probe(), 0);
    const Reply reply = table.ReplyFor(0, {Sample(10, 500, 1000, 100, 50, "/usr/bin/old")}, {});
    EXPECT_TRUE(reply.processes.empty());
    ASSERT_EQ(reply.exited.size(), 1u);
    EXPECT_EQ(reply.exited[0].executable, "/usr/bin/old");
    EXPECT_EQ(reply.exited[0].bytes, (ByteCounts{100, 50}));
}

TEST(CounterTable, ExitedProcessesFoldPerUserAndExecutableAfterTheGraceTime) {
    FakeSystem system;
    system.running = {{1, 10}};
    CounterTable table(system.Probe(), 0);
    std::vector<ProcessSample> samples = {
        Sample(1, 10, 1000, 1, 1, "/usr/bin/live"), Sample(2, 20, 1000, 10, 20, "/usr/bin/curl"),
        Sample(3, 30, 1000, 100, 200, "/usr/bin/curl"), Sample(4, 40, 1001, 5, 5, "/usr/bin/curl")};
    const auto t0 = CounterTable::Clock::time_point{} + 1h;
    EXPECT_TRUE(table.ExitedLongEnough(samples, t0).empty());
    EXPECT_TRUE(table.ExitedLongEnough(samples, t0 + CounterTable::kGraceAfterExit - 1s).empty());
    // Before folding, the gone processes already show as exited, summed.
    const Reply before = table.ReplyFor(0, samples, {});
    ASSERT_EQ(before.exited.size(), 2u);
    EXPECT_EQ(before.exited[0].bytes, (ByteCounts{110, 220}));

    const auto due = table.ExitedLongEnough(samples, t0 + CounterTable::kGraceAfterExit);
    ASSERT_EQ(due.size(), 3u);
    // The kernel's map gave their final bytes (a little more than last seen) and forgot them.
    table.Fold(Sample(2, 20, 1000, 11, 21, "/usr/bin/curl"));
    table.Fold(Sample(3, 30, 1000, 100, 200, "/usr/bin/curl"));
    table.Fold(Sample(4, 40, 1001, 5, 5, "/usr/bin/curl"));
    samples.resize(1);
    EXPECT_EQ(table.FoldedGroups(), 2u);

    const Reply after = table.ReplyFor(1000, samples, {});
    ASSERT_EQ(after.processes.size(), 1u);
    ASSERT_EQ(after.exited.size(), 1u);
    EXPECT_EQ(after.exited[0].uid, 1000u);
    EXPECT_EQ(after.exited[0].bytes, (ByteCounts{111, 221}));
    EXPECT_EQ(table.ReplyFor(0, samples, {}).exited.size(), 2u);
}

TEST(CounterTable, ManyExecutablesOfOneUserStayBounded) {
    FakeSystem system;
    CounterTable table(system.Probe(), 0);
    const std::size_t runs = CounterTable::kMaxGroupsPerUser + 50;
    for (std::uint32_t i = 0; i < runs; ++i) {
        table.Fold(Sample(100 + i, 1, 1000, 1, 2, "/tmp/copy-" + std::to_string(i)));
    }
    table.Fold(Sample(99, 1, 1001, 5, 5, "/usr/bin/curl"));
    EXPECT_EQ(table.FoldedGroups(), CounterTable::kMaxGroupsPerUser + 1);
    // Nothing is lost: the overflow is summed under one name.
    const Reply reply = table.ReplyFor(1000, {}, {});
    ByteCounts total;
    for (const ExitedLine& line : reply.exited) {
        total.received += line.bytes.received;
        total.sent += line.bytes.sent;
    }
    EXPECT_EQ(total, (ByteCounts{runs, 2 * runs}));
    ASSERT_EQ(reply.exited.size(), CounterTable::kMaxGroupsPerUser);
    EXPECT_EQ(reply.exited.back().executable, CounterTable::kOtherExited);
    EXPECT_EQ(reply.exited.back().bytes, (ByteCounts{51, 102}));
}

TEST(CounterTable, AProcessThatComesBackIntoViewIsNotFolded) {
    // /proc unreadable for a moment (a process being reaped and its pid's files
    // briefly gone) must not fold a process that still runs.
    FakeSystem system;
    CounterTable table(system.Probe(), 0);
    const std::vector<ProcessSample> samples = {Sample(5, 50, 0, 1, 1, "/bin/x")};
    const auto t0 = CounterTable::Clock::time_point{} + 1h;
    table.ExitedLongEnough(samples, t0);
    system.running[5] = 50;
    table.ExitedLongEnough(samples, t0 + 10s);
    system.running.clear();
    EXPECT_TRUE(table.ExitedLongEnough(samples, t0 + CounterTable::kGraceAfterExit + 1s).empty());
}

TEST(ReplyCache, AClientAskingInALoopGetsTheSameReplyForAMoment) {
    ReplyCache cache;
    int made = 0;
    const auto make = [&] { return "reply " + std::to_string(++made); };
    const auto t0 = CounterTable::Clock::time_point{} + 1h;
    EXPECT_EQ(cache.Get(1000, t0, make), "reply 1");
    EXPECT_EQ(cache.Get(1000, t0 + ReplyCache::kFresh - 1ms, make), "reply 1");
    // Another user has a reply of their own.
    EXPECT_EQ(cache.Get(1001, t0, make), "reply 2");
    EXPECT_EQ(cache.Get(1000, t0 + ReplyCache::kFresh, make), "reply 3");
    // Many users at once keep it bounded, and still answer each.
    for (std::uint32_t uid = 0; uid < 2 * ReplyCache::kMaxUsers; ++uid)
        cache.Get(5000 + uid, t0, make);
    const std::string reply = cache.Get(9999, t0, make);
    EXPECT_EQ(reply, "reply " + std::to_string(made));
}

}  // namespace
}  // namespace bytelora::countd
