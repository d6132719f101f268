#include <gtest/gtest.h>

#include <map>

#include "countd/daemon/CounterTable.h"
#include "countd/daemon/etw/EventCounter.h"
#include "countd/daemon/etw/KernelNetworkEvents.h"
#include "countd/daemon/etw/UserNumbers.h"
#include "tests/countd/etw/EventPayloads.h"

namespace bytelora::countd {
namespace {

using namespace std::chrono_literals;
constexpr std::uint64_t kTick = 100;  // a Windows creation time counts 100 ns

// The processes that run, as the counter would look them up.
struct FakeWindows {
    struct Process {
        std::uint64_t created;
        std::string sid;
        std::string executable;
    };
    std::map<std::uint32_t, Process> running;
    UserNumbers users;
    int lookups = 0;

    IdentifyProcess Identify() {
        return [this](std::uint32_t pid) -> std::optional<ProcessIdentity> {
            ++lookups;
            const auto it = running.find(pid);
            if (it == running.end()) return std::nullopt;
            const std::string& exe = it->second.executable;
            return ProcessIdentity{it->second.created, users.NumberOf(it->second.sid),
                                   exe.substr(exe.find_last_of('\\') + 1), exe};
        };
    }
    std::optional<std::uint64_t> Created(std::uint32_t pid) const {
        const auto it = running.find(pid);
        if (it == running.end()) return std::nullopt;
        return it->second.created;
    }
    ProcessProbe Probe() {
        return {[this](std::uint32_t pid) { return Created(pid); },
                [](std::uint32_t) { return std::string(); }, kTick};
    }
};

constexpr const char* kAlice = "S-1-5-21-1-2-3-1001";
constexpr const char* kBob = "S-1-5-21-1-2-3-1002";

void Traffic(EventCounter& counter, std::uint16_t id, const std::vector<std::uint8_t>& payload) {
    counter.Count({true, id, 0, payload});
}

TEST(EventCounter, CountsEachProcessesBytesBothWaysAndNeverLoopback) {
    FakeWindows windows;
    windows.running = {{100, {5000, kAlice, "C:\\Apps\\browser.exe"}}};
    EventCounter counter(windows.Identify(), kTick);
    Traffic(counter, 11, test::V4(100, 1000));                               // TCPv4 received
    Traffic(counter, 27, test::V6(100, 500));                                // TCPv6 received
    Traffic(counter, 42, test::V4(100, 40));                                 // UDPv4 sent
    Traffic(counter, 10, test::V4(100, 7, {127, 0, 0, 1}, {127, 0, 0, 1}));  // loopback
    Traffic(counter, 12, test::V4(100, 9999));                               // a connect: no bytes
    counter.Count({false, 11, 0, test::V4(100, 9999)});  // another provider's event 11
    Traffic(counter, 43, {1, 2, 3});                     // truncated
    const auto samples = counter.Samples();
    ASSERT_EQ(samples.size(), 1u);
    EXPECT_EQ(samples[0].bytes, (ByteCounts{1500, 40}));
    EXPECT_EQ(samples[0].key, (ProcessKey{100, 5000 * kTick}));
    EXPECT_EQ(samples[0].executable, "C:\\Apps\\browser.exe");
    EXPECT_EQ(samples[0].comm, "browser.exe");
    EXPECT_EQ(counter.Malformed(), 1u);
    EXPECT_EQ(windows.lookups, 1);  // a process is looked up once, not once an event
}

TEST(EventCounter, TrafficNoProcessCanBeNamedForIsUnowned) {
    FakeWindows windows;
    windows.running = {{4, {1, kLocalSystemSid, "System"}}};
    EventCounter counter(windows.Identify(), kTick);
    Traffic(counter, 10, test::V4(0, 60));     // pid 0: the kernel, for no process
    Traffic(counter, 11, test::V4(777, 300));  // gone before it was looked up
    Traffic(counter, 59, test::V6(4, 1200));   // System is a process like any other
    EXPECT_EQ(counter.Unowned().untagged, (ByteCounts{300, 60}));
    const auto samples = counter.Samples();
    ASSERT_EQ(samples.size(), 1u);
    EXPECT_EQ(samples[0].uid, 0u);
    EXPECT_EQ(samples[0].bytes, (ByteCounts{1200, 0}));
}

TEST(EventCounter, AReusedPidIsANewProcessOnceRechecked) {
    FakeWindows windows;
    windows.running = {{200, {1000, kAlice, "C:\\a.exe"}}};
    EventCounter counter(windows.Identify(), kTick);
    Traffic(counter, 11, test::V4(200, 10));
    windows.running[200] = {2000, kBob, "C:\\b.exe"};  // a.exe ended; its pid went to b.exe
    counter.Recheck([&](std::uint32_t pid) { return windows.Created(pid); });
    Traffic(counter, 11, test::V4(200, 20));
    auto samples = counter.Samples();
    ASSERT_EQ(samples.size(), 2u);
    EXPECT_EQ(samples[0].key, (ProcessKey{200, 1000 * kTick}));
    EXPECT_EQ(samples[0].bytes.received, 10u);
    EXPECT_EQ(samples[1].key, (ProcessKey{200, 2000 * kTick}));
    EXPECT_EQ(samples[1].bytes.received, 20u);
    EXPECT_EQ(samples[1].executable, "C:\\b.exe");
    EXPECT_NE(samples[0].uid, samples[1].uid);
}

TEST(EventCounter, ExitedProcessesAreFoldedByUserAndExecutable) {
    FakeWindows windows;
    windows.running = {{300, {1, kAlice, "C:\\curl.exe"}},
                       {301, {2, kAlice, "C:\\curl.exe"}},
                       {302, {3, kBob, "C:\\curl.exe"}}};
    EventCounter counter(windows.Identify(), kTick);
    CounterTable table(windows.Probe(), 1765200000);
    for (const std::uint32_t pid : {300u, 301u, 302u}) Traffic(counter, 10, test::V4(pid, pid));
    windows.running.clear();
    auto t = CounterTable::Clock::now();
    EXPECT_TRUE(table.ExitedLongEnough(counter.Samples(), t).empty());
    // Gone, not folded yet: already told as exited, so no bytes vanish between two looks.
    const std::uint32_t alice = windows.users.NumberOf(kAlice);
    EXPECT_EQ(table.ReplyFor(alice, counter.Samples(), {}).exited.size(), 1u);
    for (const ProcessKey& key :
         table.ExitedLongEnough(counter.Samples(), t + CounterTable::kGraceAfterExit)) {
        if (auto last = counter.Take(key)) table.Fold(*last);
    }
    EXPECT_TRUE(counter.Samples().empty());
    const Reply mine = table.ReplyFor(alice, counter.Samples(), {});
    ASSERT_EQ(mine.exited.size(), 1u);
    EXPECT_EQ(mine.exited[0].bytes.sent, 300u + 301u);
    EXPECT_EQ(mine.exited[0].executable, "C:\\curl.exe");
    EXPECT_EQ(table.ReplyFor(0, counter.Samples(), {}).exited.size(), 2u);
}

TEST(EventCounter, EachUserSeesTheirOwnShareAdministratorsSeeAll) {
    FakeWindows windows;
    windows.running = {{400, {1, kAlice, "C:\\a.exe"}},
                       {401, {1, kBob, "C:\\b.exe"}},
                       {402, {1, kLocalSystemSid, "C:\\Windows\\svchost.exe"}}};
    EventCounter counter(windows.Identify(), kTick);
    CounterTable table(windows.Probe(), 1);
    for (const std::uint32_t pid : {400u, 401u, 402u}) Traffic(counter, 11, test::V4(pid, 1));
    Traffic(counter, 11, test::V4(0, 5));
    UserNumbers& users = windows.users;
    const auto reply = [&](const ClientIdentity& client) {
        return table.ReplyFor(users.ViewerOf(client), counter.Samples(), counter.Unowned());
    };
    const Reply alice = reply({kAlice, false});
    ASSERT_EQ(alice.processes.size(), 1u);
    EXPECT_EQ(alice.processes[0].executable, "C:\\a.exe");
    EXPECT_FALSE(alice.untagged);
    const Reply bob = reply({kBob, false});
    ASSERT_EQ(bob.processes.size(), 1u);
    EXPECT_EQ(bob.processes[0].executable, "C:\\b.exe");
    // A user the counter has not met yet owns nothing here; an administrator sees all.
    EXPECT_TRUE(reply({"S-1-5-21-9-9-9-1003", false}).processes.empty());
    EXPECT_TRUE(reply({"", false}).processes.empty());
    const Reply admin = reply({kAlice, true});
    EXPECT_EQ(admin.processes.size(), 3u);
    EXPECT_EQ(admin.untagged, (ByteCounts{5, 0}));
}

TEST(UserNumbers, LocalSystemIsZeroAndEverySidKeepsItsNumber) {
    UserNumbers users;
    EXPECT_EQ(users.NumberOf(kLocalSystemSid), 0u);
    EXPECT_EQ(users.NumberOf(kAlice), UserNumbers::kFirstNumber);
    EXPECT_EQ(users.NumberOf(kBob), UserNumbers::kFirstNumber + 1);
    EXPECT_EQ(users.NumberOf(kAlice), UserNumbers::kFirstNumber);
    EXPECT_EQ(users.SidOf(UserNumbers::kFirstNumber + 1), kBob);
    EXPECT_EQ(users.SidOf(0), kLocalSystemSid);
    EXPECT_FALSE(users.SidOf(5));
    // Administrators are answered as 0, everyone else as their SID's number.
    EXPECT_EQ(users.ViewerOf({kBob, true}), 0u);
    EXPECT_EQ(users.ViewerOf({kBob, false}), UserNumbers::kFirstNumber + 1);
}

}  // namespace
}  // namespace bytelora::countd
