#include "monitor/MonitorText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace bytelora {
namespace {

TEST(MonitorText, WholeKilobytesRoundToTheNearest) {
    const struct {
        std::uint64_t bytes;
        std::uint64_t kilobytes;
    } cases[] = {
        {0, 0},
        {511, 0},
        {512, 1},
        {1000, 1},
        {1024, 1},
        {1535, 1},
        {1536, 2},
        {1'264'120'000, 1'234'492},
        {UINT64_MAX, std::uint64_t{1} << 54},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WholeKilobytes(c.bytes), c.kilobytes) << c.bytes;
    }
}

TEST(MonitorText, GroupsEveryThreeDigitsWithTheGivenMark) {
    const struct {
        std::uint64_t value;
        const char* mark;
        const char* text;
    } cases[] = {
        {0, ",", "0"},
        {999, ",", "999"},
        {1000, ",", "1,000"},
        {123456, ",", "123,456"},
        {1234567, ",", "1,234,567"},
        {1234567, ".", "1.234.567"},
        {1234567, "\u00a0", "1\u00a0234\u00a0567"},
        {1234567, "", "1234567"},
        {UINT64_MAX, ",", "18,446,744,073,709,551,615"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GroupDigits(c.value, c.mark), c.text) << c.value;
    }
}

TEST(MonitorText, CumulativeAndRateTexts) {
    EXPECT_EQ(KilobytesText(0, ","), "0");
    EXPECT_EQ(KilobytesText(1536, ","), "2");
    EXPECT_EQ(KilobytesText(1000, ","), "1");
    EXPECT_EQ(KilobytesText(1234567ull * 1024, ","), "1,234,567");
    EXPECT_EQ(RateText(0), "0 Kb/s");
    EXPECT_EQ(RateText(123456), "123456 Kb/s");
}

}  // namespace
}  // namespace bytelora
