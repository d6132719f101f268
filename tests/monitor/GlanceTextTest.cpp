#include "monitor/GlanceText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace bytelora {
namespace {

TEST(GlanceText, ShortRatesInBytesStepAtTheRoundedFigure) {
    EXPECT_EQ(ShortRate(0, RateUnits::Bytes), "0");
    EXPECT_EQ(ShortRate(-5, RateUnits::Bytes), "0");
    EXPECT_EQ(ShortRate(std::numeric_limits<double>::quiet_NaN(), RateUnits::Bytes), "0");
    EXPECT_EQ(ShortRate(0.4, RateUnits::Bytes), "0");
    EXPECT_EQ(ShortRate(850, RateUnits::Bytes), "850");
    EXPECT_EQ(ShortRate(999.4, RateUnits::Bytes), "999");
    // 999.5 bytes would round to a four-figure number: it reads as a kilobyte.
    EXPECT_EQ(ShortRate(999.5, RateUnits::Bytes), "1.0K");
    EXPECT_EQ(ShortRate(1023, RateUnits::Bytes), "1.0K");
    EXPECT_EQ(ShortRate(85 * 1024, RateUnits::Bytes), "85K");
    EXPECT_EQ(ShortRate(9.96 * 1024, RateUnits::Bytes), "10K");
    EXPECT_EQ(ShortRate(1.2 * 1024 * 1024, RateUnits::Bytes), "1.2M");
    EXPECT_EQ(ShortRate(34.0 * 1024 * 1024, RateUnits::Bytes), "34M");
    EXPECT_EQ(ShortRate(2.1 * 1024 * 1024 * 1024, RateUnits::Bytes), "2.1G");
    EXPECT_EQ(ShortRate(1e18, RateUnits::Bytes), "909495T");  // the last step has no next
}

TEST(GlanceText, BitsAreEightTimesTheBytesOnTheThousandBase) {
    EXPECT_EQ(ShortRate(100, RateUnits::Bits), "800");
    EXPECT_EQ(ShortRate(125, RateUnits::Bits), "1.0k");
    EXPECT_EQ(ShortRate(10625, RateUnits::Bits), "85k");
    EXPECT_EQ(ShortRate(150000, RateUnits::Bits), "1.2M");
    EXPECT_EQ(ShortRate(1.25e9, RateUnits::Bits), "10G");
    EXPECT_EQ(FullRate(150000, RateUnits::Bits), "1.2 Mbit/s");
    EXPECT_EQ(FullRate(100, RateUnits::Bits), "800 bit/s");
    EXPECT_EQ(FullRate(0, RateUnits::Bits), "0 bit/s");
}

TEST(GlanceText, EveryRateUpToTenGigabytesFitsThreeCharactersAndALetter) {
    for (double rate = 0; rate <= 10.0 * 1024 * 1024 * 1024; rate = rate * 1.013 + 1) {
        for (RateUnits units : {RateUnits::Bytes, RateUnits::Bits}) {
            const std::string text = ShortRate(rate, units);
            ASSERT_LE(text.size(), 4u) << rate << " gives " << text;
        }
    }
    EXPECT_EQ(FullRate(1.2 * 1024 * 1024, RateUnits::Bytes), "1.2 MB/s");
    EXPECT_EQ(FullRate(850, RateUnits::Bytes), "850 B/s");
}

}  // namespace
}  // namespace bytelora
