#include "history/SnapshotWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "history/HistoryLog.h"
#include "support/TempDir.h"

namespace bytelora {
namespace {

TEST(SnapshotText, PiecesAreJoinedWithTheFixedWords) {
    EXPECT_EQ(ComposeSnapshotText("8/31/2021 3:07:45 PM", "12 Kb/s", "3 Kb/s"),
              "8/31/2021 3:07:45 PM Download: 12 Kb/s Upload: 3 Kb/s");
    // A midnight date stands alone; design captions are copied as they stand.
    EXPECT_EQ(ComposeSnapshotText("9/1/2021", "Label3", "Label4"),
              "9/1/2021 Download: Label3 Upload: Label4");
}

TEST(WriteSnapshot, RowAndLineAreComposedSeparatelyFromFreshReadings) {
    testing::TempDir dir;
    const std::string log = (dir / "Bytelora.txt").string();
    int clockReads = 0;
    const SnapshotSources sources{
        [&] { return clockReads++ == 0 ? std::string("10:00:00") : std::string("10:00:01"); },
        [] { return std::string("120 Kb/s"); }, [] { return std::string("3 Kb/s"); }};
    std::vector<std::string> rows;
    WriteSnapshot(
        sources, [&](const std::string& row) { rows.push_back(row); }, log);

    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], "10:00:00 Download: 120 Kb/s Upload: 3 Kb/s");
    EXPECT_EQ(ReadHistoryLog(log), "10:00:01 Download: 120 Kb/s Upload: 3 Kb/s\r\n");
}

TEST(WriteSnapshot, TheRowStaysWhenTheAppendFails) {
    testing::TempDir dir;
    const SnapshotSources sources{[] { return std::string("t"); },
                                  [] { return std::string("1 Kb/s"); },
                                  [] { return std::string("2 Kb/s"); }};
    std::vector<std::string> rows;
    // A folder where the log file should be.
    EXPECT_THROW(
        WriteSnapshot(
            sources, [&](const std::string& row) { rows.push_back(row); }, dir.path().string()),
        HistoryLogError);
    EXPECT_EQ(rows.size(), 1u);
}

}  // namespace
}  // namespace bytelora
