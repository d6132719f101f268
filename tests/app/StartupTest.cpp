#include <QGuiApplication>
#include <QScreen>

#include "MainWindowRig.h"
#include "settings/StoredNumber.h"

namespace bytelora::testing {
namespace {

TEST(Startup, FirstRunUsesEveryDefault) {
    MainWindowRig rig;
    MainWindow& form = rig.Load();

    EXPECT_EQ(form.windowTitle(), "Bytelora");
    EXPECT_FALSE(form.windowIcon().isNull());
    EXPECT_EQ(form.loggingButton->text(), "Turn Off Automatic Log");
    EXPECT_TRUE(form.loggingTimer.isActive());
    EXPECT_EQ(form.loggingTimer.interval(), 1000);
    EXPECT_EQ(SelectedInterval(form), "Log every 5 seconds");
    EXPECT_EQ(form.intervalList->topLevelItemCount(), 12);
    EXPECT_EQ(form.intervalList->headerItem()->text(0),
              "How often would you like to log bandwidth usage?");
    EXPECT_EQ(form.snapshotList->headerItem()->text(0), "Bandwidth Usage");
    EXPECT_EQ(form.snapshotList->topLevelItemCount(), 0);
    EXPECT_FALSE(form.startWithSessionBox->isChecked());
    EXPECT_FALSE(form.startHiddenBox->isChecked());
    EXPECT_TRUE(form.startHiddenBox->isHidden());
    EXPECT_FALSE(form.Loading());
    EXPECT_TRUE(form.FirstSample());
    EXPECT_EQ(form.RecvFullScale(), 512.0);
    EXPECT_EQ(rig.boxes.shown().size(), 0u);
    EXPECT_TRUE(rig.settings.writes().empty());
    EXPECT_TRUE(rig.startup.calls().empty());
    EXPECT_EQ(rig.tray.Count(FakeTrayBackend::Kind::AddIcon), 1u);
    EXPECT_EQ(rig.tray.Last(FakeTrayBackend::Kind::AddIcon)->tip, "Bytelora");
    EXPECT_EQ(form.HistoryLogPath(), rig.LogPath());
    EXPECT_TRUE(form.Graph() != nullptr && form.Graph()->isHidden());
    EXPECT_TRUE(form.samplerTimer.isActive());
    EXPECT_EQ(form.samplerTimer.interval(), 250);
    EXPECT_EQ(form.meterTimer.timerType(), Qt::PreciseTimer);

    form.ShowAfterLoad();
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.HiddenInTray());
    EXPECT_EQ(form.focusWidget(), form.snapshotList);
    const QRect screen = form.screen()->availableGeometry();
    EXPECT_LE((form.frameGeometry().center() - screen.center()).manhattanLength(), 2);
}

TEST(Startup, LoggingStateFollowsOnlyTheExactWords) {
    struct Case {
        const char* stored;
        const char* caption;
        const char* frame;
        bool running;
    };
    for (const Case& c :
         {Case{"Off", "Turn On Automatic Log", "Automatic Log is Turned Off.", false},
          Case{"off", "Turn On Automatic Logging", "Next bandwidth usage snapshot will occur in ",
               false},
          Case{"on", "Turn On Automatic Logging", "Next bandwidth usage snapshot will occur in ",
               false},
          Case{"On", "Turn Off Automatic Log", "Next bandwidth usage snapshot will occur in ",
               true}}) {
        MainWindowRig rig;
        rig.settings.Preset("StartStopState", c.stored);
        MainWindow& form = rig.Load();
        EXPECT_EQ(form.loggingButton->text(), c.caption) << c.stored;
        EXPECT_EQ(Title(form.countdownFrame), c.frame) << c.stored;
        EXPECT_EQ(form.loggingTimer.isActive(), c.running) << c.stored;
        if (form.loggingButton->text() != "Turn On Automatic Logging") continue;
        // The design caption names neither action: a click changes and stores nothing.
        form.OnLoggingButtonClicked();
        EXPECT_EQ(form.loggingButton->text(), c.caption) << c.stored;
        EXPECT_FALSE(form.loggingTimer.isActive()) << c.stored;
        EXPECT_TRUE(rig.settings.writes().empty()) << c.stored;
    }
}

TEST(Startup, BothStartupOptionsHideTheWindowInTheTray) {
    MainWindowRig rig;
    rig.settings.Preset("Windows Startup", "On");
    rig.settings.Preset("Minimized", "On");
    MainWindow& form = rig.Load();
    EXPECT_TRUE(form.startWithSessionBox->isChecked());
    EXPECT_TRUE(form.startHiddenBox->isChecked());
    EXPECT_FALSE(form.startHiddenBox->isHidden());
    EXPECT_TRUE(rig.startup.calls().empty());
    // Ticking startHiddenBox from the store writes its value again, and nothing else.
    ASSERT_EQ(rig.settings.writtenKeys(), std::vector<std::string>{"Minimized"});
    EXPECT_EQ(rig.settings.writes()[0].value, "On");

    form.ShowAfterLoad();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.HiddenInTray());
    EXPECT_FALSE(form.windowState() & Qt::WindowMinimized);
    const auto* balloon = rig.tray.Last(FakeTrayBackend::Kind::ShowBalloon);
    ASSERT_NE(balloon, nullptr);
    EXPECT_EQ(balloon->title, "Bytelora");
    EXPECT_EQ(balloon->text,
              "has been minimized to the system tray.\r\n"
              "Click on the blue 'Q' icon (Q for Quillmark) to bring the software back.");
    EXPECT_EQ(balloon->timeoutMs, 5000);

    rig.tray.LeftClick();
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.HiddenInTray());
    EXPECT_FALSE(form.windowState() & Qt::WindowMinimized);
}

TEST(Startup, NoTimerHandlerRunsBeforeLoadHasFinished) {
    MainWindowRig rig;
    MainWindow form(rig.MakeServices());
    EXPECT_FALSE(form.Loaded());
    EXPECT_FALSE(form.samplerTimer.isActive());
    EXPECT_FALSE(form.meterTimer.isActive());
    QMetaObject::invokeMethod(&form.samplerTimer, "timeout", Qt::DirectConnection);
    EXPECT_EQ(rig.table.Reads(), 0);
    form.OnLoad();
    EXPECT_TRUE(form.Loaded());
}

TEST(Startup, TableServiceMissingIsToldOncePerRun) {
    MainWindowRig rig;
    rig.table.SetResult(TableReadResult::NotSupported);
    MainWindow& form = rig.Load();
    for (int i = 0; i < 3; ++i) form.UpdateInterfaceInfo();
    ASSERT_EQ(rig.boxes.shown().size(), 1u);
    EXPECT_EQ(rig.boxes.shown()[0].text, "IP Helper is not supported by this system.");
    EXPECT_EQ(rig.boxes.shown()[0].title, "Bytelora");
    EXPECT_EQ(rig.boxes.shown()[0].icon, BoxIcon::None);
    EXPECT_EQ(form.receivedKbLabel->text(), "0");
}

TEST(StoredNumber, ConvertsLikeTheStoredSettingsWereAlwaysRead) {
    EXPECT_EQ(ToInteger16("2"), 2);
    EXPECT_EQ(ToInteger16("2.5"), 2);
    EXPECT_EQ(ToInteger16("-1.5"), -2);
    EXPECT_EQ(ToInteger16("32767"), 32767);
    EXPECT_EQ(ToInteger16("-32768"), -32768);
    EXPECT_THROW(ToInteger16("32768"), std::out_of_range);
    EXPECT_THROW(ToInteger16("1e9"), std::out_of_range);
    // The edges of the way numbers were read: a leading plus, a bare point, a number too
    // close to zero, which is zero, and one too large for any number, which is no number.
    EXPECT_EQ(ToInteger16("+2"), 2);
    EXPECT_EQ(ToInteger16(" 2. "), 2);
    EXPECT_EQ(ToInteger16(".5"), 0);
    EXPECT_EQ(ToInteger16("1e-400"), 0);
    EXPECT_EQ(ToInteger16("1000e-2"), 10);
    for (const char* bad : {"", "  ", "abc", "2x", "0x10", "nan", "inf", "1 2", "+-2", "1e",
                            ".", "1e400", "-1e400", "1e99999999999999999999"}) {
        EXPECT_THROW(ToInteger16(bad), std::invalid_argument) << bad;
    }
}

}  // namespace
}  // namespace bytelora::testing
