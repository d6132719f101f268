// History log behaviour shared by every platform.
#include "history/HistoryLog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/FileBytes.h"
#include "support/TempDir.h"

namespace bytelora {
namespace {

using testing::ReadFileBytes;

TEST(HistoryLog, LinesAreAppendedOldestFirstEachEndingInCrLf) {
    testing::TempDir dir;
    const auto file = dir / "Bytelora.txt";
    AppendToHistoryLog(file.string(), "first");
    AppendToHistoryLog(file.string(), "");
    AppendToHistoryLog(file.string(), "third Download: 1 Kb/s Upload: 2 Kb/s");
    EXPECT_EQ(ReadFileBytes(file), "first\r\n\r\nthird Download: 1 Kb/s Upload: 2 Kb/s\r\n");
    EXPECT_EQ(ReadHistoryLog(file.string()), ReadFileBytes(file));
}

TEST(HistoryLog, EarlierLinesStayAndADeletedLogIsCreatedAgain) {
    testing::TempDir dir;
    const auto file = dir / "Bytelora.txt";
    std::ofstream(file, std::ios::binary) << "from an earlier run\r\n";
    AppendToHistoryLog(file.string(), "new");
    EXPECT_EQ(ReadFileBytes(file), "from an earlier run\r\nnew\r\n");
    std::filesystem::remove(file);
    AppendToHistoryLog(file.string(), "after");
    EXPECT_EQ(ReadFileBytes(file), "after\r\n");
}

TEST(HistoryLog, FailuresNameTheFile) {
    testing::TempDir dir;
    struct Case {
        const char* what;
        std::filesystem::path path;
    };
    { std::ofstream plain(dir / "plain"); }
    std::filesystem::create_directory(dir / "folder");
    const Case cases[] = {
        {"missing folder", dir / "missing" / "Bytelora.txt"},
        {"folder in its place", dir / "folder"},
        {"below a regular file", dir / "plain" / "Bytelora.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            AppendToHistoryLog(c.path.string(), "line");
            ADD_FAILURE() << "the append did not fail";
        } catch (const HistoryLogError& error) {
            EXPECT_NE(std::string(error.what()).find(c.path.string()), std::string::npos)
                << error.what();
        }
        EXPECT_THROW(ReadHistoryLog(c.path.string()), HistoryLogError);
    }
    EXPECT_THROW(ReadHistoryLog((dir / "none.txt").string()), HistoryLogError);
}

}  // namespace
}  // namespace bytelora
