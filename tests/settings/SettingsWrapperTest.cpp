#include <gtest/gtest.h>

#include "settings/SettingsStore.h"
#include "support/MemorySettingsStore.h"

namespace bytelora {
namespace {

TEST(Settings, AddressesTheProgramsOwnApplicationAndSection) {
    testing::MemorySettingsStore store;
    Settings settings(store);
    settings.Save("Windows Startup", "On");
    ASSERT_EQ(store.writes().size(), 1u);
    EXPECT_EQ(store.writes()[0], (testing::MemorySettingsStore::Write{"Quillmark", "Bytelora",
                                                                      "Windows Startup", "On"}));
    EXPECT_EQ(settings.Get("Windows Startup", "Off"), "On");
    EXPECT_EQ(store.GetSetting("Quillmark", "Other", "Windows Startup", "Off"), "Off");
}

TEST(Settings, GivesTheDefaultForAnAbsentKeyAndKeepsCase) {
    testing::MemorySettingsStore store;
    Settings settings(store);
    EXPECT_EQ(settings.Get("OftenIndex", "2"), "2");
    settings.Save("Minimized", "on");
    EXPECT_EQ(settings.Get("Minimized", "Off"), "on");
    EXPECT_EQ(settings.Get("minimized", "Off"), "Off");
}

TEST(Settings, ReportsARefusedWrite) {
    testing::MemorySettingsStore store;
    Settings settings(store);
    store.FailWrites("disk full");
    EXPECT_THROW(settings.Save("Minimized", "On"), SettingsError);
    EXPECT_FALSE(store.Value("Minimized"));
    EXPECT_TRUE(store.writes().empty());
}

}  // namespace
}  // namespace bytelora
