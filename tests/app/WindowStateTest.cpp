#include <QApplication>
#include <QTimer>

#include <fstream>

#include "FormRig.h"
#include "support/FileBytes.h"

namespace bytelora::testing {
namespace {

struct ShownRig : FormRig {
    ShownRig() {
        Load();
        form->ShowAfterLoad();
    }
};

TEST(WindowState, AMinimiseHidesToTheTrayWithOneBalloonPerRun) {
    ShownRig rig;
    Form1& form = *rig.form;
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
        Form1& form = *rig.form;
        EXPECT_EQ(form.focusWidget(), form.ListView1);
        form.PushButton5->setFocus();
        Minimise(form);
        rig.tray.LeftClick();
        EXPECT_EQ(form.focusWidget(), form.PushButton5);
    }
    {
        // Started hidden, the window has never been shown: the snapshot list, as when it is.
        FormRig rig;
        rig.settings.Preset("Windows Startup", "On");
        rig.settings.Preset("Minimized", "On");
        Form1& form = rig.Load();
        form.ShowAfterLoad();
        EXPECT_FALSE(form.isVisible());
        EXPECT_FALSE(form.windowState() & Qt::WindowMinimized);
        rig.tray.LeftClick();
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(form.focusWidget(), form.ListView1);
    }
}

TEST(WindowState, WithoutATrayAMinimiseStaysAnOrdinaryMinimise) {
    FormRig rig;
    rig.tray.SetAvailable(false);
    rig.settings.Preset("Windows Startup", "On");
    rig.settings.Preset("Minimized", "On");
    Form1& form = rig.Load();
    form.ShowAfterLoad();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.windowState() & Qt::WindowMinimized);
    EXPECT_FALSE(form.HiddenInTray());
    form.Form_Resize();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(rig.tray.Count(FakeTrayBackend::Kind::ShowBalloon), 0u);
}

TEST(WindowState, ClosingWhileLoggingStopsEverythingAndKeepsTheLog) {
    ShownRig rig;
    Form1& form = *rig.form;
    form.ListView2->setCurrentItem(form.ListView2->topLevelItem(0));  // every second
    form.Timer1_Timer();
    form.PushButton1_Click();  // the graph window is open too
    const int stepsBefore = rig.eventSteps;

    EXPECT_TRUE(form.close());
    EXPECT_TRUE(form.Ended());
    EXPECT_FALSE(form.Timer1.isActive());
    EXPECT_FALSE(form.cSysTray1()->InTray());
    EXPECT_EQ(rig.tray.Count(FakeTrayBackend::Kind::DeleteIcon), 1u);
    EXPECT_EQ(rig.eventSteps, stepsBefore + 1);
    EXPECT_FALSE(form.GraphWindow()->isVisible());
    const std::string log = ReadFileBytes(rig.LogPath());
    EXPECT_EQ(log.find("\r\n"), log.size() - 2);
    EXPECT_EQ(rig.ErrorBoxCount(), 0);
}

TEST(WindowState, ClosingEndsTheEventLoopEvenWithTheGraphWindowShown) {
    ShownRig rig;
    rig.form->PushButton1_Click();
    bool closed = false;
    QTimer::singleShot(0, rig.form.get(), [&] { closed = rig.form->close(); });
    // Should the close not end the loop, this ends it and the test fails below.
    QTimer fallback;
    fallback.setSingleShot(true);
    QObject::connect(&fallback, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    fallback.start(3000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(rig.form->GraphWindow()->isVisible());
}

TEST(WindowState, AFailingShutdownStepIsReportedAndShutdownGoesOn) {
    ShownRig rig;
    rig.onEvents = [] { throw std::runtime_error("The event queue is broken."); };
    rig.form->close();
    EXPECT_EQ(rig.ErrorBoxes("Form_QueryUnload", 104), 1);
    EXPECT_TRUE(rig.form->Ended());
    EXPECT_FALSE(rig.form->cSysTray1()->InTray());
}

TEST(WindowState, PointerIsAHandOverButtonsButNeverReplacesTheHourglass) {
    ShownRig rig;
    Form1& form = *rig.form;
    EXPECT_EQ(form.MouseIcon(), nullptr);  // no cursor file beside the program
    form.PushButton_MouseMove();
    EXPECT_EQ(form.Pointer(), MousePointer::Custom);
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);
    form.ListView2_MouseMove();
    EXPECT_EQ(form.Pointer(), MousePointer::Default);

    form.SetPointer(MousePointer::Hourglass);
    form.PushButton_MouseMove();
    form.Frame1_MouseMove();
    EXPECT_EQ(form.Pointer(), MousePointer::Hourglass);
    EXPECT_EQ(form.cursor().shape(), Qt::WaitCursor);
}

TEST(WindowState, TheHandCursorFileBesideTheProgramIsLoaded) {
    FormRig rig;
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
    Form1& form = rig.Load();
    ASSERT_NE(form.MouseIcon(), nullptr);
    EXPECT_EQ(form.MouseIcon()->hotSpot(), QPoint(6, 3));
    form.PushButton_MouseMove();
    EXPECT_EQ(form.cursor().shape(), Qt::BitmapCursor);
}

}  // namespace
}  // namespace bytelora::testing
