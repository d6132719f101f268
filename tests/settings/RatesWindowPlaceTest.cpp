// The meter's stored place: damaged values place it afresh instead of failing.
#include "settings/RatesWindowPlace.h"

#include <gtest/gtest.h>

#include "settings/SettingsStore.h"
#include "support/MemorySettingsStore.h"

namespace bytelora {
namespace {

TEST(RatesWindowPlace, ACoordinateIsAWholeNumberOfPixelsWithinReach) {
    EXPECT_EQ(CoordinateFromText("0"), 0);
    EXPECT_EQ(CoordinateFromText("1280"), 1280);
    EXPECT_EQ(CoordinateFromText(" -1920 "), -1920);  // a screen left of the primary one
    EXPECT_EQ(CoordinateFromText("1000000"), 1000000);
    for (const char* damaged : {"", "  ", "abc", "12px", "12.5", "1e3", "+-4", "0x10", "1000001",
                                "-1000001", "99999999999999999999"}) {
        EXPECT_EQ(CoordinateFromText(damaged), std::nullopt) << damaged;
    }
}

TEST(RatesWindowPlace, BothHalvesMustReadForAPlace) {
    testing::MemorySettingsStore store;
    Settings settings(store);
    EXPECT_EQ(ReadRatesWindowPlace(settings), std::nullopt);
    EXPECT_FALSE(ReadRatesWindowChart(settings));

    store.Preset(kRatesWindowLeftKey, "300");
    EXPECT_EQ(ReadRatesWindowPlace(settings), std::nullopt);
    store.Preset(kRatesWindowTopKey, "-20");
    EXPECT_EQ(ReadRatesWindowPlace(settings), (ScreenPoint{300, -20}));
    store.Preset(kRatesWindowTopKey, "top");
    EXPECT_EQ(ReadRatesWindowPlace(settings), std::nullopt);

    store.Preset(kRatesWindowChartKey, "On");
    EXPECT_TRUE(ReadRatesWindowChart(settings));
    store.Preset(kRatesWindowChartKey, "on please");
    EXPECT_FALSE(ReadRatesWindowChart(settings));
}

}  // namespace
}  // namespace bytelora
