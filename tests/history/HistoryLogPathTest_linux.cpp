#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>

#include "history/HistoryLog.h"
#include "support/EnvironmentMap.h"
#include "support/TempDir.h"

namespace bytelora {
namespace {

namespace fs = std::filesystem;
using testing::EnvironmentOf;

mode_t Mode(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

TEST(HistoryLogPath, TempWhenItIsSet) {
    testing::TempDir dir;
    EXPECT_EQ(HistoryLogPath(EnvironmentOf({{"TEMP", "/var/tmp/me"}, {"HOME", dir.path()}})),
              "/var/tmp/me/Bytelora.txt");
    EXPECT_EQ(HistoryLogPath(EnvironmentOf({{"TEMP", "/var/tmp/me/"}})),
              "/var/tmp/me/Bytelora.txt");
    // The file is not touched, and no state folder is made.
    EXPECT_FALSE(fs::exists("/var/tmp/me/Bytelora.txt"));
    EXPECT_FALSE(fs::exists(dir / ".local"));
}

TEST(HistoryLogPath, WithoutTempThePrivateStateFolderIsUsedAndCreated) {
    for (const auto& temp : {std::optional<std::string>{}, std::optional<std::string>{""}}) {
        testing::TempDir dir;
        std::map<std::string, std::string> values{{"XDG_STATE_HOME", (dir / "state").string()},
                                                  {"HOME", (dir / "home").string()}};
        if (temp) {
            values["TEMP"] = *temp;
        }
        const std::string path = HistoryLogPath(EnvironmentOf(values));
        EXPECT_EQ(path, (dir / "state" / "Bytelora" / "Bytelora.txt").string());
        EXPECT_TRUE(fs::is_directory(dir / "state" / "Bytelora"));
        EXPECT_EQ(Mode(dir / "state" / "Bytelora") & 077, 0u);
        EXPECT_FALSE(fs::exists(path));
        EXPECT_FALSE(fs::exists(dir / "home"));
    }
}

TEST(HistoryLogPath, DefaultStateFolderIsBelowHome) {
    // A relative XDG_STATE_HOME is not a valid setting and is passed over.
    for (const char* xdg : {"", "relative/state"}) {
        SCOPED_TRACE(xdg);
        testing::TempDir dir;
        const std::string path =
            HistoryLogPath(EnvironmentOf({{"HOME", dir.path().string()}, {"XDG_STATE_HOME", xdg}}));
        const fs::path folder = dir / ".local" / "state" / "Bytelora";
        EXPECT_EQ(path, (folder / "Bytelora.txt").string());
        EXPECT_TRUE(fs::is_directory(folder));
        EXPECT_EQ(Mode(folder), 0700u);
        EXPECT_EQ(Mode(dir / ".local"), 0700u);
    }
}

TEST(HistoryLogPath, AnExistingStateFolderIsLeftAsItIs) {
    testing::TempDir dir;
    fs::create_directories(dir / "state" / "Bytelora");
    fs::permissions(dir / "state" / "Bytelora", fs::perms(0750));
    HistoryLogPath(EnvironmentOf({{"XDG_STATE_HOME", (dir / "state").string()}}));
    EXPECT_EQ(Mode(dir / "state" / "Bytelora"), 0750u);
}

TEST(HistoryLogPath, AStateFolderThatCannotBeMadeSurfacesOnTheFirstAppend) {
    testing::TempDir dir;
    { std::ofstream blocker(dir / "state"); }
    const std::string path =
        HistoryLogPath(EnvironmentOf({{"XDG_STATE_HOME", (dir / "state").string()}}));
    EXPECT_THROW(AppendToHistoryLog(path, "line"), HistoryLogError);
}

}  // namespace
}  // namespace bytelora
