#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "countd/client/AppRates.h"
#include "support/FakeClock.h"
#include "views/AppsWindow.h"

namespace bytelora {
namespace {

using namespace std::chrono_literals;

countd::AppsReport Report(std::int64_t started, std::vector<countd::AppUsage> apps) {
    countd::AppsReport report;
    report.startedUnix = started;
    report.applications = std::move(apps);
    return report;
}

TEST(AppRates, RatesOverTheMeasuredTimeBusiestFirst) {
    AppRates rates;
    const auto t0 = std::chrono::steady_clock::time_point{} + 1h;
    auto rows = rates.Update(
        Report(5, {{"curl", "/usr/bin/curl", {10 << 20, 0}}, {"ssh", "/usr/bin/ssh", {100, 100}}}),
        t0);
    // No earlier look: no rate yet.
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].downloadKbps, 0u);
    EXPECT_EQ(rows[0].name, "curl");  // more bytes first while no rate differs
    // Two seconds later: ssh moved 40 kB each way, curl nothing; a newcomer moved 10 kB.
    rows = rates.Update(Report(5, {{"curl", "/usr/bin/curl", {10 << 20, 0}},
                                   {"ssh", "/usr/bin/ssh", {100 + 40960, 100 + 81920}},
                                   {"wget", "/usr/bin/wget", {10240, 0}}}),
                        t0 + 2s);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].name, "ssh");
    EXPECT_EQ(rows[0].downloadKbps, 20u);
    EXPECT_EQ(rows[0].uploadKbps, 40u);
    EXPECT_EQ(rows[1].name, "wget");
    EXPECT_EQ(rows[1].downloadKbps, 5u);
    EXPECT_EQ(rows[2].downloadKbps, 0u);
    // The counter started again: its smaller counts are no negative rates.
    rows = rates.Update(Report(6, {{"ssh", "/usr/bin/ssh", {10, 10}}}), t0 + 3s);
    EXPECT_EQ(rows[0].downloadKbps, 0u);
    EXPECT_EQ(rows[0].uploadKbps, 0u);
}

struct FakeCounter {
    int looks = 0;
    std::optional<countd::Reply> reply;
    countd::FetchResult operator()() {
        ++looks;
        if (!reply)
            return {std::nullopt, "The per-application counter is not running; to enable it: x"};
        return {reply, {}};
    }
};

TEST(AppsWindow, AsksOnlyWhileShownAndSaysWhenTheCounterIsMissing) {
    auto counter = std::make_shared<FakeCounter>();
    testing::FakeClock clock;
    AppsWindow window([counter] { return (*counter)(); }, countd::AppNames({}, {}), clock);
    EXPECT_EQ(counter->looks, 0);
    window.show();
    EXPECT_EQ(counter->looks, 1);
    EXPECT_TRUE(window.Refreshing());
    EXPECT_TRUE(window.Notice().isVisibleTo(&window));
    EXPECT_EQ(window.Notice().text(),
              "The per-application counter is not running; to enable it: x");
    EXPECT_EQ(window.Table().rowCount(), 0);

    countd::Reply reply;
    reply.startedUnix = 1;
    reply.processes.push_back({7, 1, 1000, {2048, 1024}, "curl", "/usr/bin/curl", ""});
    counter->reply = reply;
    window.Refresh();
    EXPECT_FALSE(window.Notice().isVisibleTo(&window));
    ASSERT_EQ(window.Table().rowCount(), 1);
    EXPECT_EQ(window.Table().item(0, 0)->text(), "curl");
    counter->reply->processes[0].bytes.received += 3 * 1024;
    clock.Advance(1s);
    window.Refresh();
    EXPECT_EQ(window.Table().item(0, 1)->text(), "3 Kb/s");
    EXPECT_EQ(window.Table().item(0, 2)->text(), "0 Kb/s");

    window.hide();
    EXPECT_FALSE(window.Refreshing());
    const int looks = counter->looks;
    QApplication::processEvents();
    EXPECT_EQ(counter->looks, looks);
}

TEST(AppsWindow, ShowsEachApplicationsBytesTodayWhenGivenThem) {
    auto counter = std::make_shared<FakeCounter>();
    countd::Reply reply;
    reply.startedUnix = 1;
    reply.processes.push_back({7, 1, 1000, {900 << 20, 0}, "curl", "/usr/bin/curl", ""});
    reply.processes.push_back({8, 1, 1000, {5, 5}, "kworker", "", ""});
    counter->reply = reply;
    testing::FakeClock clock;
    AppsWindow window([counter] { return (*counter)(); }, countd::AppNames({}, {}), clock);
    std::vector<countd::Reply> asked;
    window.CountToday([&](const countd::Reply& live) {
        asked.push_back(live);
        return std::map<std::string, countd::ByteCounts>{{"/usr/bin/curl", {2048, 1024}},
                                                         {"[kworker]", {7, 0}}};
    });
    EXPECT_EQ(window.Table().horizontalHeaderItem(3)->text(), "Received today");
    window.show();
    ASSERT_EQ(window.Table().rowCount(), 2);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], reply);  // the live counts, for what the recorder has not taken yet
    // Not the 900 MB since the counter started: today's 2 KB.
    EXPECT_EQ(window.Table().item(0, 0)->text(), "curl");
    EXPECT_EQ(window.Table().item(0, 3)->text(),
              QLocale().formattedDataSize(2048, 1, QLocale::DataSizeTraditionalFormat));
    EXPECT_EQ(window.Table().item(1, 3)->text(),
              QLocale().formattedDataSize(7, 1, QLocale::DataSizeTraditionalFormat));
    window.hide();
}

}  // namespace
}  // namespace bytelora
