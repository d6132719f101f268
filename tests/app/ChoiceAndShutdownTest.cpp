// The interval list always holds a choice, and a close ends everything at once: no last
// snapshot on the way out, and no process left behind when the close comes before the
// event loop runs.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTimer>

#include <cstdlib>
#include <filesystem>

#include "MainWindowRig.h"
#include "app/MainLoop.h"
#include "common/ReportLocations.h"

namespace bytelora::testing {
namespace {

void CtrlSpace(MainWindow& form) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::ControlModifier, QStringLiteral(" "));
    QApplication::sendEvent(form.intervalList, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::ControlModifier, QStringLiteral(" "));
    QApplication::sendEvent(form.intervalList, &release);
}

void Ticks(MainWindow& form, int count) {
    for (int i = 0; i < count; ++i) form.OnLoggingTick();
}

TEST(IntervalChoice, CtrlClickOrCtrlSpaceOnTheChoiceKeepsItAndChoosesNothing) {
    MainWindowRig rig;
    MainWindow& form = rig.Load();
    form.ShowAfterLoad();
    Ticks(form, 2);

    ClickIntervalItem(form, 1, Qt::ControlModifier);  // "Log every 5 seconds", the one selected
    EXPECT_EQ(SelectedInterval(form), "Log every 5 seconds");
    form.intervalList->setFocus();
    CtrlSpace(form);
    EXPECT_EQ(SelectedInterval(form), "Log every 5 seconds");

    // No click was handled: nothing stored, the count goes on to the snapshot.
    EXPECT_TRUE(rig.settings.writes().empty());
    EXPECT_EQ(form.SecondsElapsed(), 2);
    Ticks(form, 3);
    EXPECT_EQ(form.snapshotList->topLevelItemCount(), 1);
    EXPECT_EQ(rig.ErrorBoxCount(), 0);

    // A Ctrl+click on another entry is an ordinary choice.
    ClickIntervalItem(form, 0, Qt::ControlModifier);
    EXPECT_EQ(SelectedInterval(form), "Log every 1 second");
    EXPECT_EQ(rig.settings.Value("OftenIndex"), "1");
}

TEST(IntervalChoice, AStoredPositionThatSelectsNothingFallsBackToTheDefault) {
    for (const char* stored : {"13", "0", "-1", "five"}) {
        SCOPED_TRACE(stored);
        MainWindowRig rig;
        rig.settings.Preset("OftenIndex", stored);
        MainWindow& form = rig.Load();
        EXPECT_EQ(rig.ErrorBoxes(report::kLoad, 172), 1);
        EXPECT_EQ(SelectedInterval(form), "Log every 5 seconds");
        EXPECT_TRUE(rig.settings.writes().empty());  // stored when the user chooses
        const int boxes = rig.ErrorBoxCount();

        Ticks(form, 5);
        EXPECT_EQ(form.snapshotList->topLevelItemCount(), 1);
        EXPECT_EQ(rig.ErrorBoxCount(), boxes);
        EXPECT_TRUE(rig.settings.writes().empty());
    }
}

TEST(IntervalChoice, AListWithoutAChoiceIsToldOnceWhileItLasts) {
    MainWindowRig rig;
    MainWindow& form = rig.Load();
    {
        // Only a fault of the program itself could do this.
        const QSignalBlocker quiet(form.intervalList);
        form.intervalList->clearSelection();
    }
    Ticks(form, 4);
    EXPECT_EQ(rig.ErrorBoxes(report::kLoggingTick, 104), 1);
    EXPECT_EQ(rig.ErrorBoxCount(), 1);

    form.intervalList->setCurrentItem(form.intervalList->topLevelItem(0));
    Ticks(form, 1);
    EXPECT_EQ(form.snapshotList->topLevelItemCount(), 1);
    {
        const QSignalBlocker quiet(form.intervalList);
        form.intervalList->clearSelection();
    }
    Ticks(form, 2);
    EXPECT_EQ(rig.ErrorBoxes(report::kLoggingTick, 104), 2);  // a new spell is told again
}

// A close that arrives while the tick lets events run, at each of the points before the
// snapshot is written.
TEST(Shutdown, ACloseWhileATickLetsEventsRunTakesNoSnapshot) {
    for (int closeAtStep : {1, 2}) {
        SCOPED_TRACE(closeAtStep);
        MainWindowRig rig;
        rig.settings.Preset("OftenIndex", "1");
        MainWindow& form = rig.Load();
        form.ShowAfterLoad();
        int steps = 0;
        rig.onEvents = [&] {
            if (++steps == closeAtStep) form.close();
        };
        form.OnLoggingTick();

        EXPECT_TRUE(form.Ended());
        EXPECT_EQ(form.snapshotList->topLevelItemCount(), 0);
        EXPECT_FALSE(std::filesystem::exists(rig.LogPath()));
        EXPECT_EQ(rig.ErrorBoxCount(), 0);
    }
}

TEST(Shutdown, ACloseDuringTheStartUpBalloonEndsTheProgram) {
    MainWindowRig rig;
    rig.settings.Preset("Windows Startup", "On");
    rig.settings.Preset("Minimized", "On");
    rig.form = std::make_unique<MainWindow>(rig.MakeServices());
    MainWindow& form = *rig.form;
    // The user brings the window back from the tray and closes it, before the balloon's
    // wait, and so start-up, is over.
    int waitSteps = 0;
    rig.onBalloonWait = [&] {
        if (++waitSteps != 1) return;
        rig.tray.LeftClick();
        EXPECT_TRUE(form.isVisible());
        form.close();
    };
    // Should the program keep running, this ends it and the test fails below.
    QTimer fallback;
    fallback.setSingleShot(true);
    QObject::connect(&fallback, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    fallback.start(3000);

    EXPECT_EQ(RunMainWindow(form), EXIT_SUCCESS);
    EXPECT_TRUE(form.Ended());
    EXPECT_EQ(waitSteps, 1);  // the balloon went with the icon; the wait ended there
    EXPECT_FALSE(form.Tray()->InTray());
    EXPECT_EQ(rig.ErrorBoxCount(), 0);
}

}  // namespace
}  // namespace bytelora::testing
