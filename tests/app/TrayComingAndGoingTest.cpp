// The notification area going away and coming back while the program runs: a panel that
// crashes or restarts, or starts after the program at login.
#include <QApplication>

#include "MainWindowRig.h"

namespace bytelora::testing {
namespace {

// The desktop's notice arrives through the event loop.
void TrayChanges(MainWindowRig& rig, bool available) {
    rig.tray.ReportTray(available);
    QApplication::processEvents();
}

// A start with both start-up options ticked ("Minimized to system tray"), shown as
// start-up leaves it.
struct HiddenStartRig : MainWindowRig {
    explicit HiddenStartRig(bool trayThere, bool minimiseIsSeen = true) {
        tray.SetAvailable(trayThere);
        settings.Preset("Windows Startup", "On");
        settings.Preset("Minimized", "On");
        Services services = MakeServices();
        services.minimiseIsSeen = minimiseIsSeen;
        form = std::make_unique<MainWindow>(services);
        form->OnLoad();
        form->ShowAfterLoad();
    }
};

TEST(TrayComingAndGoing, AWindowHiddenInATrayThatGoesAwayComesBackAndHidesAgainOnceATrayIsBack) {
    MainWindowRig rig;
    MainWindow& form = rig.Load();
    form.ShowAfterLoad();
    Minimise(form);
    ASSERT_TRUE(form.HiddenInTray());

    TrayChanges(rig, false);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.HiddenInTray());
    EXPECT_FALSE(form.windowState() & Qt::WindowMinimized);
    // Still wanted in the tray: the backend puts it into the next one by itself.
    EXPECT_TRUE(form.Tray()->InTray());
    EXPECT_EQ(rig.tray.Count(FakeTrayBackend::Kind::DeleteIcon), 0u);

    // Without a tray a minimise is an ordinary one.
    Minimise(form);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.HiddenInTray());

    // The minimised window goes into the tray that appears, as the minimise meant; no
    // second balloon in the run.
    TrayChanges(rig, true);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.HiddenInTray());
    EXPECT_EQ(rig.tray.Count(FakeTrayBackend::Kind::ShowBalloon), 1u);
    rig.tray.LeftClick();
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.HiddenInTray());
}

TEST(TrayComingAndGoing, AHiddenStartWithoutATrayGoesIntoTheTrayThatStartsLate) {
    HiddenStartRig rig(false);
    MainWindow& form = *rig.form;
    ASSERT_TRUE(form.isVisible());  // minimised, where the desktop lists it
    EXPECT_EQ(rig.tray.Count(FakeTrayBackend::Kind::ShowBalloon), 0u);

    TrayChanges(rig, true);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.HiddenInTray());
    EXPECT_EQ(rig.tray.Count(FakeTrayBackend::Kind::ShowBalloon), 1u);
    rig.tray.LeftClick();
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.windowState() & Qt::WindowMinimized);
}

TEST(TrayComingAndGoing, AShownWindowStaysAsItIsWhateverTheTrayDoes) {
    MainWindowRig rig;
    MainWindow& form = rig.Load();
    form.ShowAfterLoad();
    TrayChanges(rig, false);
    TrayChanges(rig, true);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.HiddenInTray());
    EXPECT_EQ(rig.tray.Count(FakeTrayBackend::Kind::ShowBalloon), 0u);
    // Hidden again, gone again: back again.
    Minimise(form);
    TrayChanges(rig, false);
    EXPECT_TRUE(form.isVisible());
}

TEST(TrayComingAndGoing, ATrayGoneDuringShutdownDoesNotShowTheWindowAgain) {
    HiddenStartRig rig(true);
    MainWindow& form = *rig.form;
    ASSERT_TRUE(form.HiddenInTray());
    form.OnCloseRequested();
    TrayChanges(rig, false);
    EXPECT_FALSE(form.isVisible());
}

TEST(TrayComingAndGoing, WhereMinimisesAreNotSeenAHiddenStartWithoutATrayShowsTheWindow) {
    HiddenStartRig rig(false, false);  // native Wayland, no tray
    EXPECT_TRUE(rig.form->isVisible());
    EXPECT_FALSE(rig.form->windowState() & Qt::WindowMinimized);
    EXPECT_FALSE(rig.form->HiddenInTray());

    // With a tray the hidden start hides into it: its icon brings the window back.
    HiddenStartRig withTray(true, false);
    EXPECT_TRUE(withTray.form->HiddenInTray());
    withTray.tray.LeftClick();
    EXPECT_TRUE(withTray.form->isVisible());
}

}  // namespace
}  // namespace bytelora::testing
