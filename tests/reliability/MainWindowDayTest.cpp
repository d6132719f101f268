// A whole day of the main window at "Log every 5 seconds", its three timers driven by a
// clock that moves only when told: 17,280 snapshots, every one a whole line of the log.
#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "MainWindowRig.h"
#include "support/FileBytes.h"
#include "support/LogLines.h"

namespace bytelora::testing {
namespace {

using namespace std::chrono_literals;

TEST(MainWindowDay, ADayAtEveryFiveSecondsLogsExactly17280Lines) {
    MainWindowRig rig;  // the first run's choice: every 5 seconds, logging on
    MainWindow& form = rig.Load();
    ASSERT_EQ(SelectedInterval(form), "Log every 5 seconds");

    form.UpdateInterfaceInfo();
    const std::size_t heapBefore = ::mallinfo2().uordblks;
    int wrongRates = 0;
    for (int second = 0; second < 24 * 60 * 60; ++second) {
        for (int read = 0; read < 4; ++read) {
            rig.clock.Advance(250ms);
            rig.table.AddOctets(0, 5 * 1024, 512);  // 20 KB/s down, 2 KB/s up
            form.UpdateInterfaceInfo();
        }
        form.OnMeterTick();
        if (form.downloadRateLabel->text() != "20 Kb/s" || form.uploadRateLabel->text() != "2 Kb/s")
            ++wrongRates;
        form.OnLoggingTick();
    }

    // The snapshot list keeps the newest rows only, so a day costs the list no more than
    // its cap (0 under a sanitizer's allocator).
    const double heapGrowth =
        static_cast<double>(::mallinfo2().uordblks) - static_cast<double>(heapBefore);
    std::printf("a day at every 5 seconds: heap grew by %.0f KB\n", heapGrowth / 1024);
    EXPECT_LT(heapGrowth, 16.0 * 1024 * 1024);
    EXPECT_EQ(rig.ErrorBoxCount(), 0);
    EXPECT_EQ(wrongRates, 0);
    EXPECT_EQ(form.snapshotList->topLevelItemCount(), MainWindow::kMaxSnapshotRows);
    const LogLines log = SplitLogLines(ReadFileBytes(rig.LogPath()));
    ASSERT_TRUE(log.whole) << "partial last line";
    for (const std::string& line : log.lines) {
        ASSERT_NE(line.find(" Download: 20 Kb/s Upload: 2 Kb/s"), std::string::npos) << line;
    }
    EXPECT_EQ(log.lines.size(), 17280u);
    // The list ends with the log's last line.
    EXPECT_EQ(
        log.lines.back(),
        form.snapshotList->topLevelItem(MainWindow::kMaxSnapshotRows - 1)->text(0).toStdString());
}

}  // namespace
}  // namespace bytelora::testing
