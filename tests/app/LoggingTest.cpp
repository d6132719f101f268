#include <QApplication>
#include <QDateTime>
#include <QLocale>
#include <QMouseEvent>
#include <QSignalBlocker>

#include "MainWindowRig.h"
#include "common/ReportLocations.h"
#include "support/FileBytes.h"
#include "support/LogLines.h"

namespace bytelora::testing {
namespace {

std::size_t LineCount(const std::string& text) {
    return SplitLogLines(text).lines.size();
}

void Ticks(MainWindow& form, int count) {
    for (int i = 0; i < count; ++i) form.OnLoggingTick();
}

MainWindowRig& WithInterval(MainWindowRig& rig, const char* position) {
    rig.settings.Preset("OftenIndex", position);
    return rig;
}

TEST(Logging, EveryTickTakesASnapshotAtOneSecond) {
    MainWindowRig rig;
    MainWindow& form = WithInterval(rig, "1").Load();
    std::vector<std::string> frames;
    rig.onEvents = [&] { frames.push_back(Title(form.countdownFrame)); };
    Ticks(form, 3);

    EXPECT_EQ(form.snapshotList->topLevelItemCount(), 3);
    const std::string log = ReadFileBytes(rig.LogPath());
    EXPECT_EQ(LineCount(log), 3u);
    EXPECT_EQ(log.substr(log.size() - 2), "\r\n");
    const std::string row = form.snapshotList->topLevelItem(0)->text(0).toStdString();
    EXPECT_NE(row.find(" Download: Label3 Upload: Label4"), std::string::npos) << row;
    EXPECT_EQ(log.substr(0, log.find("\r\n")), row);
    // Per tick: the countdown at 00:00:00, the running text, then the completion text.
    ASSERT_EQ(frames.size(), 9u);
    EXPECT_EQ(frames[0], "Next bandwidth usage snapshot will occur in 00:00:00");
    EXPECT_EQ(frames[1], "Logging bandwidth usage is running in background...");
    EXPECT_EQ(frames[2].rfind("Automatic Logging Bandwidth Usage Complete at ", 0), 0u);
    EXPECT_EQ(Title(form.countdownFrame), "Next bandwidth usage snapshot will occur in 00:00:00");
    EXPECT_EQ(form.countdownBar->value(), 0);
    EXPECT_EQ(form.SecondsElapsed(), 0);
    EXPECT_EQ(rig.ErrorBoxCount(), 0);
}

TEST(Logging, TurningOffKeepsTheCountAndTurningOnContinuesIt) {
    MainWindowRig rig;
    MainWindow& form = WithInterval(rig, "3").Load();  // 10 seconds
    Ticks(form, 7);
    EXPECT_EQ(Title(form.countdownFrame), "Next bandwidth usage snapshot will occur in 00:00:03");
    EXPECT_EQ(form.countdownBar->value(), 7);
    EXPECT_EQ(form.countdownBar->maximum(), 10);

    form.OnLoggingButtonClicked();
    EXPECT_EQ(form.loggingButton->text(), "Turn On Automatic Log");
    EXPECT_FALSE(form.loggingTimer.isActive());
    form.OnLoggingTick();  // a tick that was already queued
    EXPECT_EQ(Title(form.countdownFrame), "Automatic Log is Off.");
    form.OnLoggingButtonClicked();
    EXPECT_EQ(form.loggingButton->text(), "Turn Off Automatic Log");
    EXPECT_TRUE(form.loggingTimer.isActive());
    EXPECT_EQ(rig.settings.Value("StartStopState"), "On");
    ASSERT_EQ(rig.settings.writes().size(), 2u);
    EXPECT_EQ(rig.settings.writes()[0].value, "Off");

    Ticks(form, 2);
    EXPECT_EQ(form.snapshotList->topLevelItemCount(), 0);
    Ticks(form, 1);
    EXPECT_EQ(form.snapshotList->topLevelItemCount(), 1);
}

TEST(Logging, ACountBeyondAShorterIntervalSnapshotsAtOnce) {
    MainWindowRig rig;
    MainWindow& form = WithInterval(rig, "4").Load();  // 30 seconds
    Ticks(form, 7);
    {
        const QSignalBlocker quiet(form.intervalList);  // changed behind the handlers' back
        form.intervalList->clearSelection();
        form.intervalList->topLevelItem(1)->setSelected(true);  // 5 seconds
    }
    form.OnLoggingTick();
    EXPECT_EQ(form.snapshotList->topLevelItemCount(), 1);
    EXPECT_EQ(form.SecondsElapsed(), 0);
}

TEST(Logging, TheTickDoesNotRunInsideItself) {
    MainWindowRig rig;
    MainWindow& form = WithInterval(rig, "3").Load();
    rig.onEvents = [&] { form.OnLoggingTick(); };
    Ticks(form, 2);
    EXPECT_EQ(form.SecondsElapsed(), 2);
}

TEST(Logging, AMidnightSnapshotShowsTheDateAlone) {
    MainWindowRig rig;
    MainWindow& form = WithInterval(rig, "1").Load();
    const QDateTime midnight(QDate(2024, 3, 5), QTime(0, 0));
    rig.clock.SetNow(
        std::chrono::system_clock::time_point(std::chrono::seconds(midnight.toSecsSinceEpoch())));
    form.OnLoggingTick();
    const QString date = QLocale::system().toString(QDate(2024, 3, 5), QLocale::ShortFormat);
    ASSERT_EQ(form.snapshotList->topLevelItemCount(), 1);
    EXPECT_EQ(form.snapshotList->topLevelItem(0)->text(0),
              date + " Download: Label3 Upload: Label4");
}

TEST(Logging, AFailedAppendIsReportedAndTheCountStillRestarts) {
    MainWindowRig rig;
    std::filesystem::create_directory(rig.LogPath());  // a folder where the log should be
    MainWindow& form = WithInterval(rig, "1").Load();
    std::vector<std::string> frames;
    rig.onEvents = [&] { frames.push_back(Title(form.countdownFrame)); };
    form.OnLoggingTick();

    EXPECT_EQ(rig.ErrorBoxes(report::kLoggingTick, 126), 1);
    EXPECT_EQ(rig.ErrorBoxCount(), 1);
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[2].rfind("Automatic Logging Bandwidth Usage Complete at ", 0), 0u);
    EXPECT_EQ(form.SecondsElapsed(), 0);
    EXPECT_EQ(form.countdownBar->value(), 0);
    EXPECT_EQ(form.snapshotList->topLevelItemCount(), 1);  // the row stays
    EXPECT_TRUE(std::filesystem::is_directory(rig.LogPath()));

    // Once the folder is gone the next snapshot writes a whole line again.
    std::filesystem::remove(rig.LogPath());
    form.OnLoggingTick();
    EXPECT_EQ(LineCount(ReadFileBytes(rig.LogPath())), 1u);
}

}  // namespace
}  // namespace bytelora::testing

namespace bytelora::testing {
namespace {

TEST(Logging, EachClickOrKeyInTheListIsOneChoice) {
    MainWindowRig rig;
    MainWindow& form = rig.Load();
    form.ShowAfterLoad();
    Ticks(form, 3);
    ClickIntervalItem(form, 3);  // moves the selection to "Log every 30 seconds"
    EXPECT_EQ(SelectedInterval(form), "Log every 30 seconds");
    EXPECT_EQ(rig.settings.writes().size(), 1u);
    EXPECT_EQ(form.SecondsElapsed(), 0);
    Ticks(form, 2);
    ClickIntervalItem(form, 3);  // on the entry already selected
    EXPECT_EQ(rig.settings.writes().size(), 2u);
    EXPECT_EQ(rig.settings.Value("OftenIndex"), "4");
    EXPECT_EQ(form.SecondsElapsed(), 0);

    // A change of the selection from the keyboard is a choice too.
    Ticks(form, 3);
    form.intervalList->setCurrentItem(form.intervalList->topLevelItem(4));  // "Log every 1 minute"
    EXPECT_EQ(rig.settings.Value("OftenIndex"), "5");
    EXPECT_EQ(form.SecondsElapsed(), 0);
    EXPECT_EQ(form.LogInterval(), 60);
}

}  // namespace
}  // namespace bytelora::testing
