#include <gtest/gtest.h>

#include "settings/SettingsStore.h"
#include "support/MemorySettingsStore.h"

namespace bytelora {
namespace {

TEST(Settings, AddressesTheProgramsOwnApplicationAndSectionAndKeepsCase) {
    testing::MemorySettingsStore store;
    Settings settings(store);
    EXPECT_EQ(settings.Get("Windows Startup", "Off"), "Off");
    settings.Save("Windows Startup", "on");
    ASSERT_EQ(store.writes().size(), 1u);
    EXPECT_EQ(store.writes()[0], (testing::MemorySettingsStore::Write{"Quillmark", "Bytelora",
                                                                      "Windows Startup", "on"}));
    EXPECT_EQ(settings.Get("Windows Startup", "Off"), "on");
    EXPECT_EQ(settings.Get("windows startup", "Off"), "Off");
    EXPECT_EQ(store.GetSetting("Quillmark", "Other", "Windows Startup", "Off"), "Off");
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
