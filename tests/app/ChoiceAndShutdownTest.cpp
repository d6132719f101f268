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

#include "FormRig.h"
#include "app/MainLoop.h"

namespace bytelora::testing {
namespace {

void CtrlSpace(Form1& form) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::ControlModifier, QStringLiteral(" "));
    QApplication::sendEvent(form.ListView2, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::ControlModifier, QStringLiteral(" "));
    QApplication::sendEvent(form.ListView2, &release);
}

void Ticks(Form1& form, int count) {
    for (int i = 0; i < count; ++i) form.Timer1_Timer();
}

TEST(IntervalChoice, CtrlClickOrCtrlSpaceOnTheChoiceKeepsItAndChoosesNothing) {
    FormRig rig;
    Form1& form = rig.Load();
    form.ShowAfterLoad();
    Ticks(form, 2);

    ClickIntervalItem(form, 1, Qt::ControlModifier);  // "Log every 5 seconds", the one selected
    EXPECT_EQ(SelectedInterval(form), "Log every 5 seconds");
    form.ListView2->setFocus();
    CtrlSpace(form);
    EXPECT_EQ(SelectedInterval(form), "Log every 5 seconds");

    // No click was handled: nothing stored, the count goes on to the snapshot.
    EXPECT_TRUE(rig.settings.writes().empty());
    EXPECT_EQ(form.SecondsElapsed(), 2);
    Ticks(form, 3);
    EXPECT_EQ(form.ListView1->topLevelItemCount(), 1);
    EXPECT_EQ(rig.ErrorBoxCount(), 0);

    // A Ctrl+click on another entry is an ordinary choice.
    ClickIntervalItem(form, 0, Qt::ControlModifier);
    EXPECT_EQ(SelectedInterval(form), "Log every 1 second");
    EXPECT_EQ(rig.settings.Value("OftenIndex"), "1");
}

TEST(IntervalChoice, AStoredPositionThatSelectsNothingFallsBackToTheDefault) {
    for (const char* stored : {"13", "0", "-1", "five"}) {
        SCOPED_TRACE(stored);
        FormRig rig;
        rig.settings.Preset("OftenIndex", stored);
        Form1& form = rig.Load();
        EXPECT_EQ(rig.ErrorBoxes("Form_Load", 172), 1);
        EXPECT_EQ(SelectedInterval(form), "Log every 5 seconds");
        EXPECT_TRUE(rig.settings.writes().empty());  // stored when the user chooses
        const int boxes = rig.ErrorBoxCount();

        Ticks(form, 5);
        EXPECT_EQ(form.ListView1->topLevelItemCount(), 1);
        EXPECT_EQ(rig.ErrorBoxCount(), boxes);
        EXPECT_TRUE(rig.settings.writes().empty());
    }
}

TEST(IntervalChoice, AListWithoutAChoiceIsToldOnceWhileItLasts) {
    FormRig rig;
    Form1& form = rig.Load();
    {
        // Only a fault of the program itself could do this.
        const QSignalBlocker quiet(form.ListView2);
        form.ListView2->clearSelection();
    }
    Ticks(form, 4);
    EXPECT_EQ(rig.ErrorBoxes("Timer1", 104), 1);
    EXPECT_EQ(rig.ErrorBoxCount(), 1);

    form.ListView2->setCurrentItem(form.ListView2->topLevelItem(0));
    Ticks(form, 1);
    EXPECT_EQ(form.ListView1->topLevelItemCount(), 1);
    {
        const QSignalBlocker quiet(form.ListView2);
        form.ListView2->clearSelection();
    }
    Ticks(form, 2);
    EXPECT_EQ(rig.ErrorBoxes("Timer1", 104), 2);  // a new spell is told again
}

// A close that arrives while the tick lets events run, at each of the points before the
// snapshot is written.
TEST(Shutdown, ACloseWhileATickLetsEventsRunTakesNoSnapshot) {
    for (int closeAtStep : {1, 2}) {
        SCOPED_TRACE(closeAtStep);
        FormRig rig;
        rig.settings.Preset("OftenIndex", "1");
        Form1& form = rig.Load();
        form.ShowAfterLoad();
        int steps = 0;
        rig.onEvents = [&] {
            if (++steps == closeAtStep) form.close();
        };
        form.Timer1_Timer();

        EXPECT_TRUE(form.Ended());
        EXPECT_EQ(form.ListView1->topLevelItemCount(), 0);
        EXPECT_FALSE(std::filesystem::exists(rig.LogPath()));
        EXPECT_EQ(rig.ErrorBoxCount(), 0);
    }
}

TEST(Shutdown, ACloseDuringTheStartUpBalloonEndsTheProgram) {
    FormRig rig;
    rig.settings.Preset("Windows Startup", "On");
    rig.settings.Preset("Minimized", "On");
    rig.form = std::make_unique<Form1>(rig.MakeServices());
    Form1& form = *rig.form;
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
    EXPECT_FALSE(form.cSysTray1()->InTray());
    EXPECT_EQ(rig.ErrorBoxCount(), 0);
}

}  // namespace
}  // namespace bytelora::testing
