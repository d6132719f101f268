#include <gtest/gtest.h>

#include "support/FakeClock.h"
#include "usage/UsageRecorder.h"

namespace bytelora {
namespace {

using namespace std::chrono;
using testing::FakeClock;

// A database in memory that can be told to refuse writes.
class MemoryDatabase final : public UsageDatabase {
  public:
    StoreFault fault = StoreFault::None;
    // Not even the stored counters can be read (the file could not be opened).
    bool unreadable = false;
    std::map<std::pair<UsageHour, std::string>, CounterPair> hours;
    // (hour, executable) -> bytes; the names as last written.
    std::map<std::pair<UsageHour, std::string>, CounterPair> appHours;
    std::map<std::string, std::string> appNames;
    StoredCounters counters;
    int writes = 0;

    StoreFault Add(const std::vector<UsageRow>& rows, const std::vector<AppUsageRow>& apps,
                   const StoredCounters& latest) override {
        ++writes;
        if (unreadable) return StoreFault::ReadOnly;
        if (fault != StoreFault::None) return fault;
        for (const auto& row : rows) {
            hours[{row.hour, row.interfaceName}].received += row.received;
            hours[{row.hour, row.interfaceName}].sent += row.sent;
        }
        for (const auto& app : apps) {
            appHours[{app.hour, app.executable}].received += app.received;
            appHours[{app.hour, app.executable}].sent += app.sent;
            appNames[app.executable] = app.name;
        }
        counters = latest;
        return StoreFault::None;
    }
    std::optional<StoredCounters> LastCounters() override {
        if (unreadable) return std::nullopt;
        return counters;
    }
    std::vector<UsageRow> Rows(HourRange) override { return {}; }
    std::vector<std::string> InterfaceNames() override { return {}; }
    AlertsGiven Alerts(const std::string&) override { return {}; }
    StoreFault SaveAlerts(const std::string&, const AlertsGiven&) override { return fault; }
    std::string Location() const override { return "/data/usage.sqlite"; }

    std::uint64_t Sent(const std::string& name = "eth0") const {
        std::uint64_t total = 0;
        for (const auto& [key, bytes] : hours) {
            if (key.second == name) total += bytes.sent;
        }
        return total;
    }
};

struct Rig {
    MemoryDatabase db;
    FakeClock clock;
    std::vector<std::string> told;
    std::uint64_t counter = 0;

    UsageRecorder Make(const std::string& boot = "boot-1") {
        return UsageRecorder(db, clock, boot,
                             [this](const std::string& text) { told.push_back(text); });
    }
    // One read: eth0 sent `bytes` since the one before; its counter moves with it.
    std::vector<InterfaceChange> Read(std::uint64_t bytes) {
        counter += bytes;
        return {{"eth0", 0, bytes, 0, counter}};
    }
};

TEST(UsageRecorder, WritesEveryMinuteIntoTheWallClockHour) {
    Rig rig;
    UsageRecorder recorder = rig.Make();
    recorder.Record(rig.Read(0));
    // The counters it starts from are stored at once.
    EXPECT_EQ(rig.db.writes, 1);
    for (int second = 1; second < 60; ++second) {
        rig.clock.Advance(seconds(1));
        recorder.Record(rig.Read(100));
    }
    EXPECT_EQ(rig.db.writes, 1);
    rig.clock.Advance(seconds(1));
    recorder.Record(rig.Read(100));
    EXPECT_EQ(rig.db.writes, 2);
    EXPECT_EQ(rig.db.Sent(), 6000u);
    EXPECT_TRUE(recorder.Pending().empty());

    // The wall clock is set back a day: new bytes go to the hour it shows.
    rig.clock.SetNow(rig.clock.Now() - hours(24));
    recorder.Record(rig.Read(7));
    ASSERT_EQ(recorder.Pending().size(), 1u);
    EXPECT_EQ(recorder.Pending()[0].hour, HourOf(rig.clock.Now()));
    EXPECT_TRUE(recorder.Flush());
    EXPECT_EQ(rig.db.counters.counters.at("eth0").sent, rig.counter);
    EXPECT_EQ(rig.db.counters.bootId, "boot-1");
    // An idle minute writes nothing.
    const int writes = rig.db.writes;
    rig.clock.Advance(seconds(61));
    recorder.Record(rig.Read(0));
    EXPECT_EQ(rig.db.writes, writes);
}

TEST(UsageRecorder, AddsTrafficBetweenRunsOnlyWithinOneBoot) {
    Rig rig;
    {
        UsageRecorder first = rig.Make();
        first.Record(rig.Read(0));
        rig.clock.Advance(seconds(5));
        first.Record(rig.Read(500));
        first.Flush();
    }
    // 4000 bytes pass while nothing runs; a second interface appeared meanwhile.
    rig.counter += 4000;
    rig.clock.Advance(hours(2));
    {
        UsageRecorder second = rig.Make();
        auto read = rig.Read(0);
        read.push_back({"wlan0", 0, 0, 50, 60});
        second.Record(read);
        // Stored with the first read, in the present hour.
        EXPECT_EQ(rig.db.Sent(), 4500u);
        EXPECT_EQ(rig.db.hours.rbegin()->first.first, HourOf(rig.clock.Now()));
        EXPECT_EQ(rig.db.hours.rbegin()->second.sent, 4000u);
    }

    // A counter below what was stored was reset in between: nothing is invented.
    rig.counter = 10;
    {
        UsageRecorder third = rig.Make();
        third.Record(rig.Read(0));
        EXPECT_EQ(rig.db.Sent(), 4500u);
    }
    // After a reboot the counters say nothing about the time in between.
    rig.counter += 9000;
    {
        UsageRecorder rebooted = rig.Make("boot-2");
        rebooted.Record(rig.Read(0));
        EXPECT_EQ(rig.db.Sent(), 4500u);
        // Later changes count as usual.
        rig.clock.Advance(seconds(1));
        rebooted.Record(rig.Read(25));
        EXPECT_EQ(rebooted.Pending().at(0).sent, 25u);
    }
}

TEST(UsageRecorder, KeepsBytesThroughFaultsTellingEachCauseOnce) {
    Rig rig;
    UsageRecorder recorder = rig.Make();
    recorder.Record(rig.Read(0));
    rig.db.fault = StoreFault::Locked;
    for (int minute = 0; minute < 3; ++minute) {
        rig.clock.Advance(seconds(60));
        recorder.Record(rig.Read(1000));
    }
    rig.db.fault = StoreFault::Full;
    rig.clock.Advance(seconds(60));
    recorder.Record(rig.Read(1000));
    rig.db.fault = StoreFault::ReadOnly;
    rig.clock.Advance(seconds(60));
    recorder.Record(rig.Read(1000));
    ASSERT_EQ(rig.told.size(), 3u);
    EXPECT_EQ(rig.told[0],
              "The data usage database /data/usage.sqlite is locked by another program. The data "
              "usage is kept in memory (for up to a day) and written as soon as it can be.");
    EXPECT_NE(rig.told[0].find("locked"), std::string::npos);
    EXPECT_NE(rig.told[1].find("full"), std::string::npos);
    EXPECT_NE(rig.told[2].find("read-only"), std::string::npos);
    for (const auto& text : rig.told) EXPECT_NE(text.find("/data/usage.sqlite"), std::string::npos);
    EXPECT_EQ(rig.db.Sent(), 0u);

    // Retried at the next write: nothing was lost.
    rig.db.fault = StoreFault::None;
    rig.clock.Advance(seconds(60));
    recorder.Record(rig.Read(1000));
    EXPECT_EQ(rig.db.Sent(), 6000u);
    EXPECT_EQ(rig.told.size(), 3u);

    // Held for at most a day, then given up with a message.
    rig.db.fault = StoreFault::Locked;
    recorder.Record(rig.Read(0));
    rig.clock.Advance(seconds(10));
    recorder.Record(rig.Read(777));
    for (int hour = 0; hour < 25; ++hour) {
        rig.clock.Advance(hours(1));
        recorder.Record(rig.Read(1));
    }
    ASSERT_EQ(rig.told.size(), 4u);
    EXPECT_EQ(rig.told[3],
              "The data usage of more than a day ago (777 B, 777 bytes) could not be stored in "
              "/data/usage.sqlite and is given up. Later usage is still kept while the database "
              "cannot be written.");
    EXPECT_LE(recorder.Pending().size(), static_cast<std::size_t>(UsageRecorder::kPendingHours));
}

TEST(UsageRecorder, AKillInTheFirstSecondsLosesOnlyWhatFollowedTheStart) {
    Rig rig;
    rig.counter = 70000;  // what the interface moved before the recorder started
    {
        UsageRecorder killed = rig.Make();
        killed.Record(rig.Read(0));
        for (int second = 0; second < 5; ++second) {
            rig.clock.Advance(seconds(1));
            killed.Record(rig.Read(300));
        }
        // Killed: never flushed.
    }
    EXPECT_EQ(rig.db.Sent(), 0u);
    EXPECT_EQ(rig.db.counters.counters.at("eth0").sent, 70000u);
    rig.counter += 2000;  // while nothing runs
    UsageRecorder next = rig.Make();
    next.Record(rig.Read(0));
    EXPECT_EQ(rig.db.Sent(), 3500u);
}

TEST(UsageRecorder, HoldsTheStartCountersUntilTheDatabaseOpens) {
    Rig rig;
    rig.db.counters = {"boot-1", {{"eth0", {0, 1000}}}};
    rig.counter = 81000;
    rig.db.unreadable = true;
    UsageRecorder recorder = rig.Make();
    recorder.Record(rig.Read(0));
    ASSERT_EQ(rig.told.size(), 1u);
    EXPECT_EQ(rig.told[0],
              "The data usage database /data/usage.sqlite cannot be written (read-only). The data "
              "usage is kept in memory (for up to a day) and written as soon as it can be.");
    rig.clock.Advance(seconds(60));
    recorder.Record(rig.Read(500));
    // Nothing overwrote the counters the gap is measured from.
    EXPECT_EQ(rig.db.counters.counters.at("eth0").sent, 1000u);

    rig.db.unreadable = false;
    rig.clock.Advance(seconds(60));
    recorder.Record(rig.Read(500));
    EXPECT_EQ(rig.db.Sent(), 81000u - 1000u + 1000u);
    EXPECT_EQ(rig.db.counters.counters.at("eth0").sent, rig.counter);
    EXPECT_EQ(rig.told.size(), 1u);
}

TEST(UsageRecorder, SaysHowMuchIsLostWhenTheLastWriteFails) {
    Rig rig;
    UsageRecorder recorder = rig.Make();
    recorder.Record(rig.Read(0));
    rig.db.fault = StoreFault::Full;
    rig.clock.Advance(seconds(10));
    recorder.Record(rig.Read(12607862));
    EXPECT_FALSE(recorder.Flush());
    EXPECT_EQ(recorder.PendingBytes(), 12607862u);
    EXPECT_EQ(LostAtExitMessage(recorder.PendingBytes(), rig.db.Location()),
              "The data usage not yet stored (12.0 MB, 12607862 bytes) could not be written to "
              "/data/usage.sqlite and is lost.");
}

// A per-application counter the test moves by hand; absent while `running` is false.
struct FakeAppCounter {
    AppCounterRead now{1000, {}, {}};
    bool running = true;
    int asked = 0;

    void Move(const std::string& executable, const std::string& name, std::uint64_t received,
              std::uint64_t sent) {
        auto& app = now.byExecutable[executable];
        app.name = name;
        app.bytes.received += received;
        app.bytes.sent += sent;
    }
    AppCounter Counter() {
        return [this]() -> std::optional<AppCounterRead> {
            ++asked;
            if (!running) return std::nullopt;
            return now;
        };
    }
};

TEST(UsageRecorder, AsksTheCounterAtEachWriteAndStoresWhatEachApplicationMovedSince) {
    Rig rig;
    FakeAppCounter apps;
    apps.Move("/usr/bin/curl", "curl", 50000, 900);  // before the recorder started
    UsageRecorder recorder = rig.Make();
    recorder.CountApplications(apps.Counter());
    recorder.Record(rig.Read(0));
    EXPECT_EQ(apps.asked, 1);
    EXPECT_TRUE(rig.db.appHours.empty());  // the first look is only the base

    apps.Move("/usr/bin/curl", "curl", 300, 20);
    apps.Move("/opt/firefox/firefox", "Firefox", 7, 8);
    for (int second = 0; second < 59; ++second) {
        rig.clock.Advance(seconds(1));
        recorder.Record(rig.Read(10));
    }
    EXPECT_EQ(apps.asked, 1);  // never on the reads between writes
    rig.clock.Advance(seconds(1));
    recorder.Record(rig.Read(10));
    EXPECT_EQ(apps.asked, 2);
    EXPECT_EQ(rig.db.writes, 2);  // with the interfaces' bytes, in one write
    const UsageHour hour = HourOf(rig.clock.Now());
    EXPECT_EQ(rig.db.appHours.at({hour, "/usr/bin/curl"}), (CounterPair{300, 20}));
    EXPECT_EQ(rig.db.appHours.at({hour, "/opt/firefox/firefox"}), (CounterPair{7, 8}));
    EXPECT_EQ(rig.db.appNames.at("/opt/firefox/firefox"), "Firefox");
    EXPECT_TRUE(recorder.PendingApps().empty());

    // The write at exit asks once more: a crash loses at most the last minute.
    apps.Move("/usr/bin/curl", "Curl", 1, 1);
    rig.clock.Advance(seconds(5));
    EXPECT_TRUE(recorder.Flush());
    EXPECT_EQ(rig.db.appHours.at({HourOf(rig.clock.Now()), "/usr/bin/curl"}),
              (CounterPair{301, 21}));
    EXPECT_EQ(rig.db.appNames.at("/usr/bin/curl"), "Curl");
}

TEST(UsageRecorder, ApplicationBytesSurviveRestartsShrinkingTotalsAndAnAbsentCounter) {
    Rig rig;
    FakeAppCounter apps;
    apps.Move("/usr/bin/wget", "wget", 1000, 1000);
    UsageRecorder recorder = rig.Make();
    recorder.CountApplications(apps.Counter());
    recorder.Record(rig.Read(0));
    const auto stored = [&](const std::string& executable) {
        CounterPair sum;
        for (const auto& [key, bytes] : rig.db.appHours) {
            if (key.second != executable) continue;
            sum.received += bytes.received;
            sum.sent += bytes.sent;
        }
        return sum;
    };
    const auto minute = [&] {
        rig.clock.Advance(seconds(60));
        recorder.Record(rig.Read(1));
    };

    // Exited programs merged away: the total goes down; nothing negative or huge is stored,
    // and the next minute counts from the lower total.
    apps.now.byExecutable["/usr/bin/wget"].bytes = {400, 400};
    minute();
    EXPECT_EQ(stored("/usr/bin/wget"), (CounterPair{0, 0}));
    apps.Move("/usr/bin/wget", "wget", 5, 6);
    minute();
    EXPECT_EQ(stored("/usr/bin/wget"), (CounterPair{5, 6}));

    // No counter for a while: nothing stored, nothing told; what it kept counting
    // meanwhile is added once it answers.
    apps.running = false;
    const std::size_t toldBefore = rig.told.size();
    minute();
    apps.running = true;
    apps.Move("/usr/bin/wget", "wget", 70, 0);
    minute();
    EXPECT_EQ(stored("/usr/bin/wget"), (CounterPair{75, 6}));
    EXPECT_EQ(rig.told.size(), toldBefore);

    // The counter started again: everything it holds came after the last look.
    apps.now = {2000, {}, {}};
    apps.Move("/usr/bin/wget", "wget", 30, 3);
    minute();
    EXPECT_EQ(stored("/usr/bin/wget"), (CounterPair{105, 9}));

    // A write that fails keeps the applications' bytes with the interfaces' until it works.
    rig.db.fault = StoreFault::Locked;
    apps.Move("/usr/bin/wget", "wget", 100, 0);
    minute();
    EXPECT_EQ(recorder.PendingApps().size(), 1u);
    rig.db.fault = StoreFault::None;
    minute();
    EXPECT_EQ(stored("/usr/bin/wget"), (CounterPair{205, 9}));
    EXPECT_TRUE(recorder.PendingApps().empty());
}

TEST(UsageRecorder, WithoutACounterNoApplicationRowsAreWritten) {
    Rig rig;
    FakeAppCounter apps;
    apps.running = false;
    UsageRecorder recorder = rig.Make();
    recorder.CountApplications(apps.Counter());
    recorder.Record(rig.Read(0));
    rig.clock.Advance(seconds(60));
    recorder.Record(rig.Read(100));
    EXPECT_EQ(rig.db.Sent(), 100u);
    EXPECT_TRUE(rig.db.appHours.empty());
    EXPECT_TRUE(rig.told.empty());
}

}  // namespace
}  // namespace bytelora
