#include <QApplication>
#include <QTimer>

#include <fstream>

#include "MainWindowRig.h"
#include "common/ReportLocations.h"
#include "support/FileBytes.h"

namespace bytelora::testing {
namespace {

struct ShownRig : MainWindowRig {
    ShownRig() {
        Load();
        form->ShowAfterLoad();
    }
};

TEST(WindowState, AMinimiseHidesToTheTrayWithOneBalloonPerRun) {
    ShownRig rig;
    MainWindow& form = *rig.form;
    Minimise(form);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.HiddenInTray());
    EXPECT_FALSE(form.windowState() & Qt::WindowMinimized);
    EXPECT_EQ(rig.tray.Count(FakeTrayBackend::Kind::ShowBalloon), 1u);

    rig.tray.RightClick();  // the right button opens the tray menu instead
    EXPECT_FALSE(form.isVisible());
    rig.tray.LeftClick();
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.HiddenInTray());

    Minimise(form);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.HiddenInTray());
    EXPECT_EQ(rig.tray.Count(FakeTrayBackend::Kind::ShowBalloon), 1u);
    rig.tray.LeftClick();
    EXPECT_TRUE(form.isVisible());
}

TEST(WindowState, ATrayRestoreGivesTheFocusBackToTheControlThatHadIt) {
    {
        ShownRig rig;
        MainWindow& form = *rig.form;
        EXPECT_EQ(form.focusWidget(), form.snapshotList);
        form.loggingButton->setFocus();
        Minimise(form);
        rig.tray.LeftClick();
        EXPECT_EQ(form.focusWidget(), form.loggingButton);
    }
    {
        // Started hidden, the window has never been shown: the snapshot list, as when it is.
        MainWindowRig rig;
        rig.settings.Preset("Windows Startup", "On");
        rig.settings.Preset("Minimized", "On");
        MainWindow& form = rig.Load();
        form.ShowAfterLoad();
        EXPECT_FALSE(form.isVisible());
        EXPECT_FALSE(form.windowState() & Qt::WindowMinimized);
        rig.tray.LeftClick();
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.focusWidget(), form.snapshotList);
    }
}

TEST(WindowState, WithoutATrayAMinimiseStaysAnOrdinaryMinimise) {
    MainWindowRig rig;
    rig.tray.SetAvailable(false);
    rig.settings.Preset("Windows Startup", "On");
    rig.settings.Preset("Minimized", "On");
    MainWindow& form = rig.Load();
    form.ShowAfterLoad();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.windowState() & Qt::WindowMinimized);
    EXPECT_FALSE(form.HiddenInTray());
    form.OnResize();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(rig.tray.Count(FakeTrayBackend::Kind::ShowBalloon), 0u);
}

TEST(WindowState, ClosingWhileLoggingStopsEverythingAndKeepsTheLog) {
    ShownRig rig;
    MainWindow& form = *rig.form;
    form.intervalList->setCurrentItem(form.intervalList->topLevelItem(0));  // every second
    form.OnLoggingTick();
    form.OnGraphButtonClicked();  // the graph window is open too
    const int stepsBefore = rig.eventSteps;

    EXPECT_TRUE(form.close());
    EXPECT_TRUE(form.Ended());
    EXPECT_FALSE(form.loggingTimer.isActive());
    EXPECT_FALSE(form.Tray()->InTray());
    EXPECT_EQ(rig.tray.Count(FakeTrayBackend::Kind::DeleteIcon), 1u);
    EXPECT_EQ(rig.eventSteps, stepsBefore + 1);
    EXPECT_FALSE(form.Graph()->isVisible());
    const std::string log = ReadFileBytes(rig.LogPath());
    EXPECT_EQ(log.find("\r\n"), log.size() - 2);
    EXPECT_EQ(rig.ErrorBoxCount(), 0);
}

TEST(WindowState, ClosingEndsTheEventLoopEvenWithTheGraphWindowShown) {
    ShownRig rig;
    rig.form->OnGraphButtonClicked();
    bool closed = false;
    QTimer::singleShot(0, rig.form.get(), [&] { closed = rig.form->close(); });
    // Should the close not end the loop, this ends it and the test fails below.
    QTimer fallback;
    fallback.setSingleShot(true);
    QObject::connect(&fallback, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    fallback.start(3000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(rig.form->Graph()->isVisible());
}

TEST(WindowState, AFailingShutdownStepIsReportedAndShutdownGoesOn) {
    ShownRig rig;
    rig.onEvents = [] { throw std::runtime_error("The event queue is broken."); };
    rig.form->close();
    EXPECT_EQ(rig.ErrorBoxes(report::kCloseRequest, 104), 1);
    EXPECT_TRUE(rig.form->Ended());
    EXPECT_FALSE(rig.form->Tray()->InTray());
}

TEST(WindowState, PointerIsAHandOverButtonsButNeverReplacesTheHourglass) {
    ShownRig rig;
    MainWindow& form = *rig.form;
    EXPECT_EQ(form.MouseIcon(), nullptr);  // no cursor file beside the program
    form.OnMouseMoveOverButton();
    EXPECT_EQ(form.Pointer(), MousePointer::Custom);
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);
    form.OnMouseMoveOverIntervalList();
    EXPECT_EQ(form.Pointer(), MousePointer::Default);

    form.SetPointer(MousePointer::Hourglass);
    form.OnMouseMoveOverButton();
    form.OnMouseMoveOverCountdown();
    EXPECT_EQ(form.Pointer(), MousePointer::Hourglass);
    EXPECT_EQ(form.cursor().shape(), Qt::WaitCursor);
}

TEST(WindowState, TheHandCursorFileBesideTheProgramIsLoaded) {
    MainWindowRig rig;
    // A cursor file is an icon file of type 2 whose entry holds the hot spot.
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    const std::string file = (rig.dir / "HAND-M.CUR").string();
    ASSERT_TRUE(image.save(QString::fromStdString(file), "ico"));
    {
        std::fstream patch(file, std::ios::in | std::ios::out | std::ios::binary);
        patch.seekp(2);
        patch.put(2);
        patch.seekp(10);
        patch.put(6);  // hot spot x
        patch.seekp(12);
        patch.put(3);  // hot spot y
    }
    MainWindow& form = rig.Load();
    ASSERT_NE(form.MouseIcon(), nullptr);
    EXPECT_EQ(form.MouseIcon()->hotSpot(), QPoint(6, 3));
    form.OnMouseMoveOverButton();
    EXPECT_EQ(form.cursor().shape(), Qt::BitmapCursor);
}

}  // namespace
}  // namespace bytelora::testing
