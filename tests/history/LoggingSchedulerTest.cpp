#include "history/LoggingScheduler.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace bytelora {
namespace {

// What one logging tick shows, in the order the window applies it.
struct TickView {
    std::int32_t maximum = 0;
    std::optional<std::int32_t> position;  // unset: the bar keeps its position
    std::string countdown;
    bool snapshot = false;
};

// Drives the scheduler the way the window's tick handler does.
TickView Tick(LoggingScheduler& scheduler, std::int32_t selectedSeconds) {
    TickView view;
    scheduler.SetLogInterval(selectedSeconds);
    scheduler.CountTick();
    view.maximum = scheduler.ProgressMaximum();
    if (scheduler.CountFitsProgress()) {
        view.position = scheduler.SecondsElapsed();
    }
    view.countdown = scheduler.CountdownText();
    if (scheduler.SnapshotDue()) {
        view.snapshot = true;
        scheduler.Restart();
    }
    return view;
}

std::vector<int> SnapshotTicks(LoggingScheduler& scheduler, std::int32_t seconds, int ticks) {
    std::vector<int> taken;
    for (int i = 1; i <= ticks; ++i) {
        if (Tick(scheduler, seconds).snapshot) {
            taken.push_back(i);
        }
    }
    return taken;
}

const std::string kCountdown = "Next bandwidth usage snapshot will occur in ";

TEST(LoggingScheduler, CountdownRunsFromIntervalMinusOneAndTheBarFillsToTheSnapshot) {
    struct Case {
        std::int32_t seconds;
        std::vector<const char*> countdowns;
    };
    for (const Case& c :
         {Case{1, {"00:00:00", "00:00:00", "00:00:00"}},
          Case{5, {"00:00:04", "00:00:03", "00:00:02", "00:00:01", "00:00:00", "00:00:04"}},
          Case{86400, {"23:59:59", "23:59:58"}}}) {
        SCOPED_TRACE(c.seconds);
        LoggingScheduler scheduler;
        for (std::size_t i = 0; i < c.countdowns.size(); ++i) {
            const auto counted = static_cast<std::int32_t>(i) % c.seconds + 1;
            const TickView view = Tick(scheduler, c.seconds);
            EXPECT_EQ(view.countdown, kCountdown + c.countdowns[i]);
            EXPECT_EQ(view.maximum, c.seconds);
            EXPECT_EQ(view.position, counted);
            EXPECT_EQ(view.snapshot, counted == c.seconds);
            EXPECT_EQ(scheduler.SecondsElapsed(), view.snapshot ? 0 : counted);
        }
    }
}

TEST(LoggingScheduler, TurnedOffAfterSevenTicksContinuesTheCountWhenTurnedOn) {
    LoggingScheduler scheduler;
    EXPECT_TRUE(SnapshotTicks(scheduler, 10, 7).empty());
    // While logging is off the timer does not tick; the count is kept.
    EXPECT_EQ(scheduler.SecondsElapsed(), 7);
    EXPECT_EQ(SnapshotTicks(scheduler, 10, 13), (std::vector<int>{3, 13}));
}

TEST(LoggingScheduler, ChoosingAnIntervalRestartsTheCount) {
    LoggingScheduler scheduler;
    EXPECT_TRUE(SnapshotTicks(scheduler, 5, 4).empty());
    scheduler.IntervalChosen(5);  // a click on the entry that is already selected
    EXPECT_EQ(scheduler.SecondsElapsed(), 0);
    EXPECT_EQ(scheduler.LogInterval(), 5);
    EXPECT_EQ(SnapshotTicks(scheduler, 5, 5), (std::vector<int>{5}));
}

TEST(LoggingScheduler, ACountBeyondAShorterIntervalTakesTheSnapshotAtOnce) {
    LoggingScheduler scheduler;
    EXPECT_TRUE(SnapshotTicks(scheduler, 30, 12).empty());
    // The selection moved to five seconds without a click: the count is already past it.
    const TickView view = Tick(scheduler, 5);
    EXPECT_TRUE(view.snapshot);
    EXPECT_FALSE(view.position.has_value());  // never above the bar's maximum
    EXPECT_EQ(view.countdown, kCountdown + "00:00:00");
    EXPECT_EQ(scheduler.SecondsElapsed(), 0);
    EXPECT_EQ(SnapshotTicks(scheduler, 5, 5), (std::vector<int>{5}));
}

TEST(LoggingScheduler, PositionNeverExceedsTheMaximum) {
    LoggingScheduler scheduler;
    const std::int32_t intervals[] = {10, 10, 10, 3, 3, 60, 1, 0, 0, 5, 5, 5, 5, 5, 5};
    for (std::int32_t seconds : intervals) {
        const TickView view = Tick(scheduler, seconds);
        if (view.position) {
            EXPECT_LE(*view.position, view.maximum);
        }
    }
}

TEST(LoggingScheduler, NoKnownIntervalNeverTakesASnapshot) {
    LoggingScheduler scheduler;
    EXPECT_TRUE(SnapshotTicks(scheduler, 0, 20).empty());
    EXPECT_EQ(scheduler.SecondsElapsed(), 20);
    EXPECT_EQ(scheduler.RemainingSeconds(), 0);
}

TEST(LoggingScheduler, CountingBeyondTheLargestCountThrowsAndKeepsTheCount) {
    LoggingScheduler scheduler(std::numeric_limits<std::int32_t>::max() - 1);
    scheduler.SetLogInterval(5);
    scheduler.CountTick();
    EXPECT_THROW(scheduler.CountTick(), std::overflow_error);
    EXPECT_EQ(scheduler.SecondsElapsed(), std::numeric_limits<std::int32_t>::max());
    // Even the extreme count is due at once and restarts.
    EXPECT_TRUE(scheduler.SnapshotDue());
}

TEST(LoggingScheduler, RemainingTimeNeverOverflowsForExtremeValues) {
    LoggingScheduler scheduler(std::numeric_limits<std::int32_t>::max());
    scheduler.SetLogInterval(std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(scheduler.RemainingSeconds(), 0);
    LoggingScheduler fresh;
    fresh.SetLogInterval(std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(fresh.RemainingSeconds(), std::numeric_limits<std::int32_t>::max());
}

TEST(LoggingState, OnlyTheExactWordsCount) {
    EXPECT_EQ(LoggingStateFromSetting("On"), StoredLoggingState::On);
    EXPECT_EQ(LoggingStateFromSetting("Off"), StoredLoggingState::Off);
    for (const char* stored : {"on", "off", "ON", " On", "", "1"}) {
        EXPECT_EQ(LoggingStateFromSetting(stored), StoredLoggingState::Neither) << stored;
    }
    EXPECT_EQ(LoggingStateFromSetting(kStartStopStateDefault), StoredLoggingState::On);
}

TEST(LoggingState, TheButtonCaptionDecidesTheClick) {
    EXPECT_EQ(SwitchForCaption(kTurnOnCaption), LoggingSwitch::TurnOn);
    EXPECT_EQ(SwitchForCaption(kTurnOffCaption), LoggingSwitch::TurnOff);
    // The design caption differs from both, so a click on it does nothing.
    EXPECT_EQ(SwitchForCaption(kLoggingButtonDesignCaption), LoggingSwitch::Nothing);
    EXPECT_EQ(SwitchForCaption("turn on automatic log"), LoggingSwitch::Nothing);
}

TEST(ReentrancyGuard, ANestedEntryIsRefusedUntilTheOuterOneEnds) {
    bool running = false;
    {
        ReentrancyGuard outer(running);
        EXPECT_TRUE(outer);
        EXPECT_TRUE(running);
        ReentrancyGuard inner(running);
        EXPECT_FALSE(inner);
    }
    EXPECT_FALSE(running);
    ReentrancyGuard again(running);
    EXPECT_TRUE(again);
}

}  // namespace
}  // namespace bytelora
