#include "settings/QSettingsStore.h"

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

// Qt reads and writes setting names without regard to case on Windows, in INI files as
// in the registry; on Linux "Minimized" and "minimized" are two settings. The user's
// store is the registry on Windows and a file below the XDG folders on Linux.
#ifdef _WIN32
constexpr bool kLinuxStore = false;
#else
constexpr bool kLinuxStore = true;
#endif

namespace fs = std::filesystem;
using ::testing::HasSubstr;

std::string SaveError(SettingsStore& store, const std::string& key, const std::string& value) {
    return testing::RefusalText<SettingsError>(
        [&] { store.SaveSetting(kSettingsAppName, kSettingsSection, key, value); });
}

class QSettingsStoreTest : public ::testing::Test {
  protected:
    std::string Get(SettingsStore& store, const std::string& key, const std::string& def) {
        return store.GetSetting(kSettingsAppName, kSettingsSection, key, def);
    }
    void Save(SettingsStore& store, const std::string& key, const std::string& value) {
        store.SaveSetting(kSettingsAppName, kSettingsSection, key, value);
    }

    testing::TempDir dir;
    fs::path file = dir / "Quillmark" / "Bytelora.conf";
};

TEST_F(QSettingsStoreTest, AnEmptyStoreGivesTheDefaultsAndMakesNoFile) {
    QSettingsStore store(file);
    EXPECT_EQ(Get(store, "OftenIndex", "2"), "2");
    EXPECT_EQ(Get(store, "Windows Startup", "Off"), "Off");
    EXPECT_FALSE(fs::exists(dir / "Quillmark"));
}

TEST_F(QSettingsStoreTest, ValuesComeBackExactlyAfterARestart) {
    const std::vector<std::pair<std::string, std::string>> values = {
        {"Windows Startup", "On"},
        {"Minimized", "ON"},
        {"OftenIndex", "12"},
        {"Empty", ""},
        {"Padded", "  two  "},
        {"List", "a, b,c"},
        {"At", "@ByteArray(x)"},
        {"Quote", R"(say "hi")"},
        {"Slashes", R"(C:\x\y/z)"},
        {"Equals", "a=b;c#d"},
        {"Lines", "one\ntwo\r\n"},
        {"Unicode", "Zo\xC3\xAB \xE2\x82\xAC"}};
    {
        QSettingsStore store(file);
        for (const auto& [key, value] : values) Save(store, key, value);
    }
    QSettingsStore restarted(file);
    for (const auto& [key, value] : values) {
        EXPECT_EQ(Get(restarted, key, "<default>"), value) << key;
    }
    if (kLinuxStore) {
        Save(restarted, "windows startup", "on");
        EXPECT_EQ(Get(restarted, "Windows Startup", "<default>"), "On");
        EXPECT_EQ(Get(restarted, "windows startup", "<default>"), "on");
        EXPECT_EQ(Get(restarted, "WINDOWS STARTUP", "<default>"), "<default>");
    }
}

TEST_F(QSettingsStoreTest, EachWriteIsInTheFileWhenItReturnsAndKeepsTheOtherValues) {
    QSettingsStore store(file);
    Save(store, "StartStopState", "Off");
    EXPECT_THAT(ReadFileBytes(file), HasSubstr("StartStopState=Off"));
    Save(store, "OftenIndex", "7");
    EXPECT_THAT(ReadFileBytes(file), HasSubstr("OftenIndex=7"));
    Save(store, "OftenIndex", "3");
    Save(store, "StartStopState", "On");
    QSettingsStore restarted(file);
    EXPECT_EQ(Get(restarted, "OftenIndex", "2"), "3");
    EXPECT_EQ(Get(restarted, "StartStopState", "Off"), "On");
}

TEST_F(QSettingsStoreTest, TheUsersStoreIsTheConfFileOfApplicationAndSection) {
    if (!kLinuxStore) GTEST_SKIP() << "the user's store is the registry here";
    testing::ScopedEnv xdg("XDG_CONFIG_HOME", dir.path().string());
    QSettingsStore store;
    Save(store, "OftenIndex", "5");
    store.SaveSetting("Other", kSettingsSection, "OftenIndex", "9");

    const auto text = ReadFileBytes(dir / "Quillmark/Bytelora.conf");
    EXPECT_THAT(text, HasSubstr("[Bytelora]\nOftenIndex=5\n"));
    EXPECT_THAT(ReadFileBytes(dir / "Other/Bytelora.conf"), HasSubstr("OftenIndex=9"));
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir / "Quillmark")) {
        names.push_back(entry.path().filename().string());
    }
    EXPECT_THAT(names, ::testing::ElementsAre("Bytelora.conf"));  // no lock file left
    EXPECT_EQ(Get(store, "OftenIndex", "2"), "5");
    EXPECT_EQ(QSettingsStore().GetSetting("Other", kSettingsSection, "OftenIndex", "2"), "9");
}

TEST_F(QSettingsStoreTest, WithoutXdgConfigHomeTheStoreIsBelowHome) {
    if (!kLinuxStore) GTEST_SKIP() << "the user's store is the registry here";
    testing::ScopedEnv xdg("XDG_CONFIG_HOME", std::nullopt);
    testing::ScopedEnv home("HOME", dir.path().string());
    QSettingsStore store;
    Save(store, "Minimized", "On");
    EXPECT_THAT(ReadFileBytes(dir / ".config/Quillmark/Bytelora.conf"), HasSubstr("Minimized=On"));
}

TEST_F(QSettingsStoreTest, AStoreThatCannotBeWrittenIsReported) {
    std::ofstream(dir / "Quillmark") << "a file where the folder should be";
    QSettingsStore store(file);
    const auto error = SaveError(store, "Minimized", "On");
    EXPECT_THAT(error, HasSubstr("\"Minimized\" was not saved"));
    EXPECT_THAT(error, HasSubstr(file.string()));
    EXPECT_THAT(error, HasSubstr((dir / "Quillmark").string() + " is a file"));
    EXPECT_EQ(Get(store, "Minimized", "Off"), "Off");
}

TEST_F(QSettingsStoreTest, AFolderWhereTheFileBelongsIsReported) {
    fs::create_directories(file);
    QSettingsStore store(file);
    EXPECT_EQ(Get(store, "Minimized", "Off"), "Off");
    const auto error = SaveError(store, "Minimized", "On");
    EXPECT_THAT(error, HasSubstr(file.string() + " is a folder"));
    EXPECT_TRUE(fs::is_directory(file));
}

TEST_F(QSettingsStoreTest, ADamagedFileReadsAsEmptyAndIsNotOverwritten) {
    const std::vector<std::string> damaged = {
        "[Bytelora]\nOftenIndex=4\nthis line is not a setting\n",
        "[Bytelora\nOftenIndex=4\n",
        std::string("[Bytelora]\nOftenIndex=4\n\0\x7F\xFF", 27),
    };
    for (const auto& text : damaged) {
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
        QSettingsStore store(file);
        EXPECT_EQ(Get(store, "OftenIndex", "2"), "2");
        const auto error = SaveError(store, "OftenIndex", "5");
        EXPECT_THAT(error, HasSubstr(file.string()));
        EXPECT_THAT(error, HasSubstr("left as it is"));
        EXPECT_EQ(ReadFileBytes(file), text);
    }
}

TEST_F(QSettingsStoreTest, NamesThatWouldMakeSubSectionsAreRefused) {
    QSettingsStore store(file);
    for (const std::string key : {"", "a/b", "a\\b"}) {
        EXPECT_THAT(SaveError(store, key, "On"), HasSubstr("not a valid settings name")) << key;
        EXPECT_EQ(Get(store, key, "dflt"), "dflt");
    }
    EXPECT_THROW(store.SaveSetting("../elsewhere", kSettingsSection, "Minimized", "On"),
                 SettingsError);
    EXPECT_FALSE(fs::exists(file));
}

}  // namespace
}  // namespace bytelora
