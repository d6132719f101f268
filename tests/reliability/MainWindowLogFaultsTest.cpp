// The main window's snapshots when the history log cannot be written: a full disk, a
// read-only file system, a folder that went away, a planted link, a log deleted by hand.
// Every fault ends in one error report box at the append (126) that says what happened,
// the lines written before stay exactly as they were, and the log never ends in a part
// of a line; once the fault is gone the next snapshot writes a whole line again.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "MainWindowRig.h"
#include "MountNamespace.h"
#include "common/ReportLocations.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/LogLines.h"

namespace bytelora::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Rows(const MainWindow& form) {
    std::vector<std::string> rows;
    for (int i = 0; i < form.snapshotList->topLevelItemCount(); ++i) {
        rows.push_back(form.snapshotList->topLevelItem(i)->text(0).toStdString());
    }
    return rows;
}

// The log holds whole lines only, each one of the rows, in order.
void ExpectWholeLinesOf(const std::string& log, const std::vector<std::string>& rows) {
    const LogLines lines = SplitLogLines(log);
    ASSERT_TRUE(lines.whole) << "the log ends in a partial line";
    std::size_t row = 0;
    for (const std::string& line : lines.lines) {
        while (row < rows.size() && rows[row] != line) ++row;
        ASSERT_LT(row, rows.size()) << "a line that is no snapshot: " << line;
        ++row;
    }
}

// The text of the last error report box, when one names the append; "" otherwise.
std::string AppendBoxText(const MainWindowRig& rig) {
    if (rig.ErrorBoxes(report::kLoggingTick, 126) == 0) return {};
    std::string text;
    for (const auto& box : rig.boxes.shown()) {
        if (box.title == kErrorBoxTitle) text = box.text;
    }
    return text;
}

struct Logging {
    MainWindowRig rig;
    MainWindow* form = nullptr;

    // Starts the window logging every second into `folder` (the rig's own by default).
    explicit Logging(const fs::path& folder = {}) {
        if (!folder.empty()) rig.environment["TEMP"] = folder.string();
        rig.settings.Preset("OftenIndex", "1");
        form = &rig.Load();
    }
    fs::path Log() const { return form->HistoryLogPath(); }
    void Snapshots(int count) {
        for (int i = 0; i < count; ++i) {
            rig.clock.Advance(std::chrono::seconds(1));
            form->OnLoggingTick();
        }
    }
};

TEST(MainWindowLogFaults, AFileSizeLimitStopsTheLineWholeAndTheNextSnapshotWritesIt) {
    Logging logging;
    logging.Snapshots(3);
    const std::string before = ReadFileBytes(logging.Log());
    for (const rlim_t room : {rlim_t{9}, rlim_t{0}}) {  // part of a line fits, or nothing
        SCOPED_TRACE(room);
        logging.rig.boxes.Clear();
        {
            const FileSizeLimit limit(before.size() + room);
            logging.Snapshots(1);
        }
        const std::string box = AppendBoxText(logging.rig);
        EXPECT_NE(box.find(logging.Log().string()), std::string::npos) << box;
        EXPECT_NE(box.find("not added"), std::string::npos) << box;
        EXPECT_NE(box.find("File too large"), std::string::npos) << box;
        EXPECT_EQ(logging.rig.ErrorBoxCount(), 1);
        EXPECT_EQ(ReadFileBytes(logging.Log()), before);
    }
    EXPECT_EQ(logging.form->snapshotList->topLevelItemCount(), 5);  // the rows stay
    logging.Snapshots(1);
    const std::string after = ReadFileBytes(logging.Log());
    EXPECT_EQ(after.substr(0, before.size()), before);
    EXPECT_EQ(after.substr(before.size()), Rows(*logging.form).back() + "\r\n");
}

TEST(MainWindowLogFaults, AFullDiskKeepsEveryEarlierLineAndNoPartOfALine) {
    TempDir outer;
    const fs::path disk = outer / "disk";
    PrivateTmpfs tmpfs(disk, "64k");
    if (!tmpfs.Available()) GTEST_SKIP() << tmpfs.Reason();

    // Everything but a few pages goes to another file first.
    {
        std::ofstream filler(disk / "filler", std::ios::binary);
        const std::string chunk(4096, 'f');
        while (filler.write(chunk.data(), chunk.size()) && filler.flush()) {
        }
    }
    fs::resize_file(disk / "filler", fs::file_size(disk / "filler") - 3 * 4096);

    Logging logging(disk);
    int snapshots = 0;
    while (logging.rig.ErrorBoxCount() == 0 && snapshots < 1000) {
        logging.Snapshots(1);
        ++snapshots;
    }
    ASSERT_EQ(logging.rig.ErrorBoxCount(), 1) << "the disk never filled";
    EXPECT_GT(snapshots, 10);
    const std::string box = AppendBoxText(logging.rig);
    EXPECT_NE(box.find("No space left on device"), std::string::npos) << box;
    EXPECT_NE(box.find("not added"), std::string::npos) << box;
    const std::string full = ReadFileBytes(logging.Log());
    ExpectWholeLinesOf(full, Rows(*logging.form));
    EXPECT_EQ(std::count(full.begin(), full.end(), '\n'), snapshots - 1);

    // Still full: each snapshot is told, and the log does not change.
    logging.Snapshots(3);
    EXPECT_EQ(logging.rig.ErrorBoxes(report::kLoggingTick, 126), 4);
    EXPECT_EQ(ReadFileBytes(logging.Log()), full);
    EXPECT_EQ(logging.form->snapshotList->topLevelItemCount(), snapshots + 3);

    fs::remove(disk / "filler");
    logging.Snapshots(1);
    EXPECT_EQ(logging.rig.ErrorBoxCount(), 4);
    EXPECT_EQ(ReadFileBytes(logging.Log()), full + Rows(*logging.form).back() + "\r\n");
}

TEST(MainWindowLogFaults, AReadOnlyLogIsToldAndLeftAsItWas) {
    TempDir outer;
    const fs::path disk = outer / "disk";
    PrivateTmpfs tmpfs(disk, "1m");
    // Without root a file's permissions do stop the write; as root only a read-only
    // file system does.
    const bool root = ::geteuid() == 0;
    if (root && !tmpfs.Available()) GTEST_SKIP() << tmpfs.Reason();
    if (!root) fs::create_directories(disk);

    Logging logging(disk);
    logging.Snapshots(2);
    const std::string before = ReadFileBytes(logging.Log());
    if (root) {
        ASSERT_TRUE(tmpfs.SetReadOnly(true));
    } else {
        fs::permissions(logging.Log(), fs::perms::owner_read);
    }
    logging.Snapshots(1);
    const std::string box = AppendBoxText(logging.rig);
    EXPECT_NE(box.find(root ? "Read-only file system" : "Permission denied"), std::string::npos)
        << box;
    EXPECT_NE(box.find(logging.Log().string()), std::string::npos) << box;
    EXPECT_EQ(ReadFileBytes(logging.Log()), before);

    if (root) {
        ASSERT_TRUE(tmpfs.SetReadOnly(false));
    } else {
        fs::permissions(logging.Log(), fs::perms::owner_read | fs::perms::owner_write);
    }
    logging.Snapshots(1);
    EXPECT_EQ(logging.rig.ErrorBoxCount(), 1);
    EXPECT_EQ(ReadFileBytes(logging.Log()), before + Rows(*logging.form).back() + "\r\n");
}

TEST(MainWindowLogFaults, ARemovedFolderIsToldUntilItIsBack) {
    TempDir outer;
    const fs::path temp = outer / "temp";
    fs::create_directories(temp);
    Logging logging(temp);
    logging.Snapshots(2);
    fs::remove_all(temp);

    logging.Snapshots(2);
    EXPECT_EQ(logging.rig.ErrorBoxes(report::kLoggingTick, 126), 2);
    const std::string box = AppendBoxText(logging.rig);
    EXPECT_NE(box.find("No such file or directory"), std::string::npos) << box;
    EXPECT_FALSE(fs::exists(temp));  // not made behind the user's back
    EXPECT_EQ(logging.form->snapshotList->topLevelItemCount(), 4);

    fs::create_directories(temp);
    logging.Snapshots(1);
    EXPECT_EQ(logging.rig.ErrorBoxCount(), 2);
    EXPECT_EQ(ReadFileBytes(logging.Log()), Rows(*logging.form).back() + "\r\n");
}

TEST(MainWindowLogFaults, APlantedLinkIsRefusedAndItsTargetUntouched) {
    Logging logging;
    logging.Snapshots(2);
    const fs::path victim = logging.rig.dir / "victim";
    { std::ofstream(victim, std::ios::binary) << "precious\n"; }
    fs::remove(logging.Log());
    fs::create_symlink(victim, logging.Log());

    logging.Snapshots(1);
    const std::string box = AppendBoxText(logging.rig);
    EXPECT_NE(box.find("symbolic link"), std::string::npos) << box;
    EXPECT_EQ(ReadFileBytes(victim), "precious\n");
    EXPECT_TRUE(fs::is_symlink(logging.Log()));

    fs::remove(logging.Log());
    logging.Snapshots(1);
    EXPECT_EQ(logging.rig.ErrorBoxCount(), 1);
    EXPECT_EQ(ReadFileBytes(logging.Log()), Rows(*logging.form).back() + "\r\n");
    EXPECT_EQ(ReadFileBytes(victim), "precious\n");
}

TEST(MainWindowLogFaults, ALogDeletedBetweenSnapshotsIsStartedAgain) {
    Logging logging;
    logging.Snapshots(3);
    fs::remove(logging.Log());
    logging.Snapshots(2);
    EXPECT_EQ(logging.rig.ErrorBoxCount(), 0);
    const auto rows = Rows(*logging.form);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(ReadFileBytes(logging.Log()), rows[3] + "\r\n" + rows[4] + "\r\n");
    struct stat status {};
    ASSERT_EQ(::stat(logging.Log().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);  // made private again
}

}  // namespace
}  // namespace bytelora::testing
