#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

#include <atomic>
#include <condition_variable>
#include <mutex>

#include "countd/client/AppRates.h"
#include "support/AppsWindowAnswer.h"
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
    std::atomic<int> looks = 0;
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
    testing::WaitForAppsAnswer(window);
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
    testing::WaitForAppsAnswer(window);
    EXPECT_FALSE(window.Notice().isVisibleTo(&window));
    ASSERT_EQ(window.Table().rowCount(), 1);
    EXPECT_EQ(window.Table().item(0, 0)->text(), "curl");
    counter->reply->processes[0].bytes.received += 3 * 1024;
    clock.Advance(1s);
    window.Refresh();
    testing::WaitForAppsAnswer(window);
    EXPECT_EQ(window.Table().item(0, 1)->text(), "3 Kb/s");
    EXPECT_EQ(window.Table().item(0, 2)->text(), "0 Kb/s");

    window.hide();
    EXPECT_FALSE(window.Refreshing());
    const int looks = counter->looks;
    QApplication::processEvents();
    EXPECT_EQ(counter->looks, looks);
}

TEST(AppsWindow, SaysHowManyProgramsTheCounterCouldNotTellApart) {
    auto counter = std::make_shared<FakeCounter>();
    testing::FakeClock clock;
    AppsWindow window([counter] { return (*counter)(); }, countd::AppNames({}, {}), clock);
    countd::Reply reply;
    reply.startedUnix = 1;
    reply.processes.push_back({7, 1, 1000, {2048, 1024}, "curl", "/usr/bin/curl", ""});
    counter->reply = reply;  // an older counter: no refused line
    window.show();
    testing::WaitForAppsAnswer(window);
    EXPECT_FALSE(window.Refused().isVisibleTo(&window));
    counter->reply->refused = 3;
    window.Refresh();
    testing::WaitForAppsAnswer(window);
    EXPECT_TRUE(window.Refused().isVisibleTo(&window));
    EXPECT_EQ(window.Refused().text(),
              "3 programs could not be told apart; their bytes are in Other");
    counter->reply->refused = 0;
    window.Refresh();
    testing::WaitForAppsAnswer(window);
    EXPECT_FALSE(window.Refused().isVisibleTo(&window));
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
    testing::WaitForAppsAnswer(window);
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

// A counter that does not answer until the test lets it.
class StuckCounter {
  public:
    countd::FetchResult operator()() {
        ++looks;
        std::unique_lock lock(mutex_);
        released_.wait(lock, [this] { return free_; });
        countd::Reply reply;
        reply.startedUnix = 1;
        reply.processes.push_back({7, 1, 1000, {2048, 1024}, "curl", "/usr/bin/curl", ""});
        return {reply, {}};
    }
    // Notifies under the lock: the counter may be gone as soon as the lock is free.
    void Release() {
        const std::lock_guard lock(mutex_);
        free_ = true;
        released_.notify_all();
    }
    std::atomic<int> looks = 0;

  private:
    std::mutex mutex_;
    std::condition_variable released_;
    bool free_ = false;
};

TEST(AppsWindow, StaysResponsiveWhileTheCounterDoesNotAnswerAndShowsTheAnswerWhenItComes) {
    auto counter = std::make_shared<StuckCounter>();
    testing::FakeClock clock;
    AppsWindow window([counter] { return (*counter)(); }, countd::AppNames({}, {}), clock);
    QPushButton button(&window);
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&clicks] { ++clicks; });
    window.show();
    EXPECT_TRUE(window.Asking());

    // The event loop runs on: a timer of the test fires, a click is taken, the window
    // repaints; more ticks ask nothing more while the question is out.
    int fired = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&fired] { ++fired; });
    ticker.start(10);
    QElapsedTimer waited;
    waited.start();
    while (fired < 5 && waited.elapsed() < 10000) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        window.Refresh();
    }
    EXPECT_GE(fired, 5);
    button.click();
    EXPECT_EQ(clicks, 1);
    window.repaint();
    EXPECT_EQ(counter->looks, 1);
    EXPECT_TRUE(window.Asking());
    EXPECT_EQ(window.Table().rowCount(), 0);

    counter->Release();
    testing::WaitForAppsAnswer(window);
    ASSERT_EQ(window.Table().rowCount(), 1);
    EXPECT_EQ(window.Table().item(0, 0)->text(), "curl");
    EXPECT_FALSE(window.Notice().isVisibleTo(&window));
    window.hide();
}

TEST(AppsWindow, AWindowClosedAndDestroyedWhileAskingIsSafe) {
    auto counter = std::make_shared<StuckCounter>();
    std::weak_ptr<StuckCounter> held = counter;
    testing::FakeClock clock;
    auto window = std::make_unique<AppsWindow>([counter] { return (*counter)(); },
                                               countd::AppNames({}, {}), clock);
    window->show();
    ASSERT_TRUE(window->Asking());
    window->close();
    window.reset();
    StuckCounter& stuck = *counter;
    counter.reset();
    // The answer comes after the window is gone: it is dropped, and the asking thread
    // lets go of the counter (its copy of the fetch) once it is done.
    stuck.Release();
    QElapsedTimer waited;
    waited.start();
    while (!held.expired() && waited.elapsed() < 10000) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_TRUE(held.expired());
    QApplication::processEvents();
}

}  // namespace
}  // namespace bytelora
