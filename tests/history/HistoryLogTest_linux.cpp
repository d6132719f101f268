// The history log's guards on Linux: the folder may be shared, the disk may be full, and
// several copies of the program may write at once.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "history/HistoryLog.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/LogLines.h"
#include "support/TempDir.h"

namespace bytelora {
namespace {

using testing::FileSizeLimit;
using testing::LogLines;
using testing::ReadFileBytes;
using testing::SplitLogLines;

namespace fs = std::filesystem;

void WriteBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string AppendError(const fs::path& file, const std::string& line) {
    try {
        AppendToHistoryLog(file.string(), line);
    } catch (const HistoryLogError& error) {
        return error.what();
    }
    return {};
}

TEST(HistoryLogGuards, ANewLogIsPrivateToTheUser) {
    testing::TempDir dir;
    const mode_t savedMask = ::umask(0);
    AppendToHistoryLog((dir / "Bytelora.txt").string(), "line");
    ::umask(savedMask);
    struct stat status {};
    ASSERT_EQ(::stat((dir / "Bytelora.txt").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u);
}

TEST(HistoryLogGuards, AFailedWriteLeavesNoPartialLine) {
    testing::TempDir dir;
    const auto file = dir / "Bytelora.txt";
    const std::string earlier = "earlier line\r\n";
    struct Case {
        const char* what;
        rlim_t limit;
    };
    // Room for part of the line, and no room at all.
    for (const Case& c :
         {Case{"short write", earlier.size() + 5}, Case{"no room", earlier.size()}}) {
        SCOPED_TRACE(c.what);
        WriteBytes(file, earlier);
        std::string message;
        {
            FileSizeLimit limit(c.limit);
            message = AppendError(file, "8/31/2021 3:07:45 PM Download: 12 Kb/s Upload: 3 Kb/s");
        }
        EXPECT_NE(message.find(file.string()), std::string::npos) << message;
        EXPECT_NE(message.find("not added"), std::string::npos) << message;
        EXPECT_EQ(ReadFileBytes(file), earlier);
        // The next snapshot tries again and succeeds once there is room.
        AppendToHistoryLog(file.string(), "next");
        EXPECT_EQ(ReadFileBytes(file), earlier + "next\r\n");
    }
}

TEST(HistoryLogGuards, APlantedSymbolicLinkIsRefusedAndItsTargetUntouched) {
    testing::TempDir dir;
    const auto target = dir / "victim";
    const auto log = dir / "Bytelora.txt";
    WriteBytes(target, "precious\n");
    fs::create_symlink(target, log);

    const std::string message = AppendError(log, "line");
    EXPECT_NE(message.find("symbolic link"), std::string::npos) << message;
    EXPECT_EQ(ReadFileBytes(target), "precious\n");
    EXPECT_THROW(ReadHistoryLog(log.string()), HistoryLogError);

    // A dangling link must not create its target either.
    const auto dangling = dir / "dangling.txt";
    fs::create_symlink(dir / "created-through-link", dangling);
    EXPECT_FALSE(AppendError(dangling, "line").empty());
    EXPECT_FALSE(fs::exists(dir / "created-through-link"));
}

TEST(HistoryLogGuards, APlantedPipeIsRefusedWithoutWaiting) {
    testing::TempDir dir;
    const auto log = dir / "Bytelora.txt";
    ASSERT_EQ(::mkfifo(log.c_str(), 0600), 0);
    EXPECT_FALSE(AppendError(log, "line").empty());
    EXPECT_THROW(ReadHistoryLog(log.string()), HistoryLogError);
}

TEST(HistoryLogGuards, AnotherUsersLogIsRefused) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to give a file to another user";
    }
    testing::TempDir dir;
    const auto log = dir / "Bytelora.txt";
    WriteBytes(log, "planted\r\n");
    ASSERT_EQ(::chown(log.c_str(), 65534, 65534), 0);

    const std::string message = AppendError(log, "line");
    EXPECT_NE(message.find("another user"), std::string::npos) << message;
    EXPECT_EQ(ReadFileBytes(log), "planted\r\n");
    EXPECT_THROW(ReadHistoryLog(log.string()), HistoryLogError);
}

TEST(HistoryLogGuards, ConcurrentWritersNeverTearOrMixLines) {
    testing::TempDir dir;
    const auto log = dir / "Bytelora.txt";
    constexpr int kWriters = 4;
    constexpr int kLines = 400;
    std::vector<pid_t> children;
    for (int writer = 0; writer < kWriters; ++writer) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int status = 0;
            for (int i = 0; i < kLines; ++i) {
                // Lines of different lengths, some long, so that a torn write would show.
                const std::string line = "writer " + std::to_string(writer) + " line " +
                                         std::to_string(i) + " " +
                                         std::string(static_cast<std::size_t>(i % 97) * 40, 'x');
                try {
                    AppendToHistoryLog(log.string(), line);
                } catch (...) {
                    status = 1;
                }
            }
            ::_exit(status);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    const LogLines text = SplitLogLines(ReadFileBytes(log));
    ASSERT_TRUE(text.whole) << "the log ends in a partial line";
    std::map<int, int> nextLine;
    for (const std::string& line : text.lines) {
        std::istringstream fields(line);
        std::string word1, word2, tail;
        int writer = -1;
        int index = -1;
        fields >> word1 >> writer >> word2 >> index;
        ASSERT_EQ(word1, "writer");
        ASSERT_EQ(word2, "line");
        std::getline(fields, tail);
        ASSERT_EQ(tail, " " + std::string(static_cast<std::size_t>(index % 97) * 40, 'x'));
        ASSERT_EQ(index, nextLine[writer]) << "lines of writer " << writer << " out of order";
        ++nextLine[writer];
    }
    EXPECT_EQ(text.lines.size(), std::size_t{kWriters * kLines});
}

}  // namespace
}  // namespace bytelora
