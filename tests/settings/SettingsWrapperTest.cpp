#include <gtest/gtest.h>

#include "settings/GlanceChoices.h"
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

TEST(GlanceChoices, ReadTheStoredWordsAndTakeTheFirstChoiceForAnythingElse) {
    testing::MemorySettingsStore store;
    Settings settings(store);
    GlanceChoices choices = ReadGlanceChoices(settings);
    EXPECT_EQ(choices.trayIcon, TrayIconShows::Logo);
    EXPECT_FALSE(choices.ratesWindow);
    EXPECT_EQ(choices.units, RateUnits::Bytes);

    EXPECT_EQ(TrayIconShowsText(TrayIconShows::Graph), "Graph");
    EXPECT_EQ(RateUnitsText(RateUnits::Bits), "Bits");
    settings.Save("Tray Icon", TrayIconShowsText(TrayIconShows::Graph));
    settings.Save("Rates Window", "On");
    settings.Save("Rate Units", RateUnitsText(RateUnits::Bits));
    choices = ReadGlanceChoices(settings);
    EXPECT_EQ(choices.trayIcon, TrayIconShows::Graph);
    EXPECT_TRUE(choices.ratesWindow);
    EXPECT_EQ(choices.units, RateUnits::Bits);

    settings.Save("Tray Icon", "rates\x00");
    settings.Save("Rates Window", "1");
    settings.Save("Rate Units", "");
    choices = ReadGlanceChoices(settings);
    EXPECT_EQ(choices.trayIcon, TrayIconShows::Logo);
    EXPECT_FALSE(choices.ratesWindow);
    EXPECT_EQ(choices.units, RateUnits::Bytes);
}

}  // namespace
}  // namespace bytelora
