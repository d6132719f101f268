#include "settings/XdgAutostartRegistration.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/FileBytes.h"
#include "support/RefusalText.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

namespace bytelora {
namespace {

using testing::ReadFileBytes;

namespace fs = std::filesystem;
using ::testing::HasSubstr;

std::vector<std::string> FileNames(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

std::string EntryFor(const std::string& exec) {
    return "[Desktop Entry]\nType=Application\nName=Bytelora\nExec=" + exec +
           "\nIcon=org.bytelora.Bytelora\nX-GNOME-Autostart-enabled=true\n";
}

template <typename Call>
std::string Refusal(Call call) {
    return testing::RefusalText<StartupRegistrationError>(call);
}

class XdgAutostartTest : public ::testing::Test {
  protected:
    testing::TempDir home;
    fs::path configHome = home / "config";
    fs::path autostart = configHome / "autostart";
    fs::path entry = autostart / "bytelora.desktop";
    XdgAutostartRegistration registration{configHome};
};

TEST_F(XdgAutostartTest, WritesTheEntryMakingTheFoldersAndLeavingNoTemporaryFile) {
    registration.Register(R"(/opt/My "Net" Tools/bytelora)");
    EXPECT_EQ(registration.EntryPath(), entry);
    EXPECT_EQ(ReadFileBytes(entry), EntryFor(R"("/opt/My \\"Net\\" Tools/bytelora")"));
    EXPECT_THAT(FileNames(autostart), ::testing::ElementsAre("bytelora.desktop"));
    EXPECT_EQ(fs::status(entry).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
}

TEST_F(XdgAutostartTest, OverwritesAnEarlierEntryButAPathThatCannotBeWrittenLeavesIt) {
    registration.Register("/old place/bytelora");
    registration.Register("/new place/bytelora");
    EXPECT_THROW(registration.Register("/opt/\xFF/bytelora"), StartupRegistrationError);
    EXPECT_EQ(ReadFileBytes(entry), EntryFor("\"/new place/bytelora\""));
    EXPECT_THAT(FileNames(autostart), ::testing::ElementsAre("bytelora.desktop"));
}

TEST_F(XdgAutostartTest, MakesARelativeProgramPathAbsolute) {
    registration.Register("bin/bytelora");
    const auto expected = (fs::current_path() / "bin/bytelora").string();
    EXPECT_EQ(ReadFileBytes(entry), EntryFor("\"" + expected + "\""));
}

TEST_F(XdgAutostartTest, UnregisterDeletesTheEntryAndAnAbsentOneIsFine) {
    registration.Unregister("/opt/bytelora");  // no autostart folder at all
    registration.Register("/opt/bytelora");
    registration.Unregister("/opt/bytelora");
    EXPECT_FALSE(fs::exists(entry));
    EXPECT_TRUE(FileNames(autostart).empty());
    registration.Unregister("/opt/bytelora");
}

TEST_F(XdgAutostartTest, AFolderWhereTheEntryBelongsIsReportedAndLeftAlone) {
    fs::create_directories(entry / "inside");
    EXPECT_THAT(Refusal([&] { registration.Register("/opt/bytelora"); }),
                HasSubstr(entry.string()));
    EXPECT_THAT(FileNames(autostart), ::testing::ElementsAre("bytelora.desktop"));
    EXPECT_THAT(Refusal([&] { registration.Unregister("/opt/bytelora"); }),
                HasSubstr(entry.string()));
    EXPECT_TRUE(fs::is_directory(entry / "inside"));
}

TEST_F(XdgAutostartTest, AFileWhereTheAutostartFolderBelongsBlocksRegistering) {
    fs::create_directories(configHome);
    std::ofstream(autostart) << "not a folder";
    EXPECT_THAT(Refusal([&] { registration.Register("/opt/bytelora"); }),
                HasSubstr(autostart.string()));
    EXPECT_EQ(ReadFileBytes(autostart), "not a folder");
    registration.Unregister("/opt/bytelora");  // nothing can be registered there
}

TEST(SystemStartupRegistration, UsesXdgConfigHome) {
    testing::TempDir home;
    testing::ScopedEnv xdg("XDG_CONFIG_HOME", (home / "conf").string());
    const auto registration = MakeSystemStartupRegistration();
    registration->Register("/usr/bin/bytelora");
    EXPECT_EQ(ReadFileBytes(home / "conf/autostart/bytelora.desktop"),
              EntryFor("\"/usr/bin/bytelora\""));
    registration->Unregister("/usr/bin/bytelora");
    EXPECT_FALSE(fs::exists(home / "conf/autostart/bytelora.desktop"));
}

}  // namespace
}  // namespace bytelora
