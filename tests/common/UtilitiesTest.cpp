#include "common/Utilities.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "common/PlatformFiles.h"
#include "support/TempDir.h"

namespace bytelora {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

void WriteFile(const fs::path& path, const std::string& text = "line\r\n") {
    std::ofstream(path, std::ios::binary) << text;
}

std::string Utf8(const fs::path& path) {
    return PathToUtf8(path);
}

struct ClockCase {
    std::int32_t seconds;
    const char* text;
};

class SecondsToClockTest : public ::testing::TestWithParam<ClockCase> {};

TEST_P(SecondsToClockTest, FormatsTimeOfDay) {
    EXPECT_EQ(SecondsToClock(GetParam().seconds), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    ClockTexts, SecondsToClockTest,
    ::testing::Values(ClockCase{0, "00:00:00"}, ClockCase{5, "00:00:05"}, ClockCase{59, "00:00:59"},
                      ClockCase{3599, "00:59:59"}, ClockCase{3600, "01:00:00"},
                      ClockCase{86399, "23:59:59"}, ClockCase{86400, "00:00:00"},
                      ClockCase{90061, "01:01:01"}, ClockCase{-30, "00:00:30"},
                      ClockCase{-86400, "00:00:00"}, ClockCase{-90061, "01:01:01"},
                      ClockCase{INT32_MAX, "03:14:07"}, ClockCase{INT32_MIN, "03:14:08"},
                      ClockCase{21600, "06:00:00"}));

TEST(FileExists, ExistingFilesAndFoldersAreThereAndEveryFailureIsFalse) {
    TempDir dir;
    WriteFile(dir / "plain");
    WriteFile(dir / PathFromUtf8("Caf\xC3\xA9 log.txt"));
    EXPECT_TRUE(FileExists(Utf8(dir / "plain")));
    EXPECT_TRUE(FileExists(Utf8(dir.path())));
    EXPECT_TRUE(FileExists(Utf8(dir.path()) + "/Caf\xC3\xA9 log.txt"));  // names are UTF-8
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(Utf8(dir / "missing.txt")));
    EXPECT_FALSE(FileExists(Utf8(dir / "plain" / "below-a-file")));
    EXPECT_FALSE(FileExists(std::string("abc\0def", 7)));
    EXPECT_FALSE(FileExists("\xFF\xFE not utf-8"));
    EXPECT_FALSE(FileExists(std::string(5000, 'x')));
    EXPECT_EQ(PathToUtf8(PathFromUtf8("dir/Caf\xC3\xA9.txt")), "dir/Caf\xC3\xA9.txt");
}

TEST(DeleteFileQuietly, RemovesOrdinaryAndReadOnlyFiles) {
    TempDir dir;
    WriteFile(dir / "plain.txt");
    WriteFile(dir / "locked.txt");
    fs::permissions(dir / "locked.txt",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    DeleteFileQuietly(Utf8(dir / "plain.txt"));
    DeleteFileQuietly(Utf8(dir / "locked.txt"));
    EXPECT_FALSE(fs::exists(dir / "plain.txt"));
    EXPECT_FALSE(fs::exists(dir / "locked.txt"));
}

TEST(DeleteFileQuietly, FailuresAreSilentAndFoldersAreLeftAlone) {
    TempDir dir;
    EXPECT_NO_THROW(DeleteFileQuietly(Utf8(dir / "missing.txt")));
    EXPECT_NO_THROW(DeleteFileQuietly(""));
    EXPECT_NO_THROW(DeleteFileQuietly("\xFF\xFE not utf-8"));
    WriteFile(dir / "plain");
    EXPECT_NO_THROW(DeleteFileQuietly(Utf8(dir / "plain" / "below-a-file")));
    EXPECT_TRUE(fs::exists(dir / "plain"));
    fs::create_directory(dir / "empty");
    fs::create_directory(dir / "full");
    WriteFile(dir / "full" / "inside.txt");
    DeleteFileQuietly(Utf8(dir / "empty"));
    DeleteFileQuietly(Utf8(dir / "full"));
    EXPECT_TRUE(fs::is_directory(dir / "empty"));
    EXPECT_TRUE(fs::exists(dir / "full" / "inside.txt"));
}

TEST(DeleteFileQuietly, RemovesALinkButNotItsTarget) {
    TempDir dir;
    WriteFile(dir / "target.txt");
    std::error_code error;
    fs::create_symlink(dir / "target.txt", dir / "link.txt", error);
    if (error) GTEST_SKIP() << "symbolic links unavailable: " << error.message();
    DeleteFileQuietly(Utf8(dir / "link.txt"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "link.txt")));
    EXPECT_TRUE(fs::exists(dir / "target.txt"));
}

TEST(ProgramFile, IsThisTestProgram) {
    const auto file = ProgramFile();
    EXPECT_TRUE(file.is_absolute()) << file;
    EXPECT_EQ(file.stem().string(), "common_tests");
    EXPECT_TRUE(fs::is_regular_file(file));
    EXPECT_EQ(ProgramFolder(), file.parent_path());
    EXPECT_TRUE(fs::is_directory(ProgramFolder()));
}

// Every byte as the file holds it, across the reader's own buffer size, in a folder whose
// name is not plain ASCII; a file that is not there cannot be opened.
TEST(ReadWholeFile, GivesTheBytesAsTheyStand) {
    TempDir dir;
    const fs::path folder = dir / fs::path(u8"d\u00e9j\u00e0");
    fs::create_directory(folder);
    std::string bytes = "a\r\nb\n";
    bytes.push_back('\0');
    bytes += std::string(10000, 'x') + "\xff";
    WriteFile(folder / "bytes.bin", bytes);
    std::string text = "left over";
    EXPECT_EQ(platform::ReadWholeFile(folder / "bytes.bin", text), platform::ReadOutcome::Read);
    EXPECT_EQ(text, bytes);

    WriteFile(folder / "empty.bin", "");
    EXPECT_EQ(platform::ReadWholeFile(folder / "empty.bin", text), platform::ReadOutcome::Read);
    EXPECT_TRUE(text.empty());
    EXPECT_EQ(platform::ReadWholeFile(folder / "missing.bin", text),
              platform::ReadOutcome::CannotOpen);
}

}  // namespace
}  // namespace bytelora
