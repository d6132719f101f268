#include "monitor/ThroughputMeter.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "InterfaceTables.h"

namespace bytelora {
namespace {

using testing::At;

constexpr std::uint64_t kKB = 1024;

TrafficTotals Totals(std::uint64_t received, std::uint64_t sent, double sampledAt,
                     double startedAt = 0) {
    return TrafficTotals{true, received, sent, At(sampledAt), At(startedAt)};
}

TEST(ThroughputMeter, BeforeTheFirstReadEverythingIsZero) {
    ThroughputMeter meter;
    const ThroughputReading& r = meter.Tick(TrafficTotals{});
    EXPECT_EQ(r.downloadText, "0 Kb/s");
    EXPECT_EQ(r.uploadText, "0 Kb/s");
    EXPECT_EQ(r.receivedTotalText, "0");
    EXPECT_EQ(r.download, 0);
}

TEST(ThroughputMeter, FirstTickMeasuresFromTheFirstRead) {
    ThroughputMeter meter;
    const ThroughputReading& r = meter.Tick(Totals(120 * kKB, 3 * kKB, 1.0));
    EXPECT_DOUBLE_EQ(r.seconds, 1.0);
    EXPECT_EQ(r.downloadText, "120 Kb/s");
    EXPECT_EQ(r.uploadText, "3 Kb/s");
    EXPECT_EQ(r.download, 120);
    EXPECT_EQ(r.upload, 3);
    EXPECT_EQ(r.receivedFigure, "120");
    EXPECT_EQ(r.sentFigure, "3");
    EXPECT_EQ(r.receivedTotalText, "120");
    EXPECT_EQ(r.sentTotalText, "3");
}

struct TickCase {
    const char* what;
    double seconds;  // between the reads of the two ticks
    std::uint64_t received;
    std::uint64_t sent;
    const char* downloadText;
    const char* uploadText;
    const char* receivedFigure;
};

class TickRates : public ::testing::TestWithParam<TickCase> {};

TEST_P(TickRates, DivideByTheTimeThatReallyPassed) {
    const TickCase& c = GetParam();
    ThroughputMeter meter;
    const std::uint64_t base = 1'380 * kKB;
    meter.Tick(Totals(base, base, 1.0));
    const ThroughputReading& r =
        meter.Tick(Totals(base + c.received, base + c.sent, 1.0 + c.seconds));
    EXPECT_EQ(r.downloadText, c.downloadText) << c.what;
    EXPECT_EQ(r.uploadText, c.uploadText) << c.what;
    EXPECT_EQ(r.receivedFigure, c.receivedFigure) << c.what;
    EXPECT_GE(r.downloadRate, 0.0);
    EXPECT_GE(r.uploadRate, 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    ThroughputMeter, TickRates,
    ::testing::Values(
        TickCase{"on time", 1.0, 120 * kKB, 3 * kKB, "120 Kb/s", "3 Kb/s", "120"},
        TickCase{"two seconds late", 3.0, 360 * kKB, 30 * kKB, "120 Kb/s", "10 Kb/s", "360"},
        TickCase{"after an hour asleep", 3600.0, 3600 * kKB, 0, "1 Kb/s", "0 Kb/s", "3600"},
        TickCase{"reads 750 ms apart", 0.75, 96 * kKB, 0, "128 Kb/s", "0 Kb/s", "96"},
        TickCase{"no traffic", 1.0, 0, 0, "0 Kb/s", "0 Kb/s", "0"},
        TickCase{"a half rounds up", 1.0, 1536, 511, "2 Kb/s", "0 Kb/s", "2"},
        TickCase{"just under a half", 1.0, 1535, 512, "1 Kb/s", "1 Kb/s", "1"}),
    [](const auto& param) { return "Case" + std::to_string(param.index); });

TEST(ThroughputMeter, ATickWithNoNewReadMeasuresNothingAndLosesNothing) {
    ThroughputMeter meter;
    meter.Tick(Totals(100 * kKB, 0, 1.0));
    const ThroughputReading& same = meter.Tick(Totals(100 * kKB, 0, 1.0));
    EXPECT_EQ(same.seconds, 0.0);
    EXPECT_EQ(same.downloadText, "0 Kb/s");
    EXPECT_EQ(same.receivedTotalText, "100");

    const ThroughputReading& next = meter.Tick(Totals(300 * kKB, 0, 3.0));
    EXPECT_DOUBLE_EQ(next.seconds, 2.0);
    EXPECT_EQ(next.downloadText, "100 Kb/s");
}

TEST(ThroughputMeter, TotalsThatFallNeverGiveANegativeRate) {
    ThroughputMeter meter;
    meter.Tick(Totals(500 * kKB, 500 * kKB, 1.0));
    const ThroughputReading& r = meter.Tick(Totals(200 * kKB, 100 * kKB, 2.0));
    EXPECT_EQ(r.downloadText, "0 Kb/s");
    EXPECT_EQ(r.uploadText, "0 Kb/s");
    EXPECT_EQ(r.download, 0);
    EXPECT_EQ(r.upload, 0);
    // Measuring goes on from the new point.
    EXPECT_EQ(meter.Tick(Totals(210 * kKB, 100 * kKB, 3.0)).downloadText, "10 Kb/s");
}

TEST(ThroughputMeter, TotalTextsUseTheGivenGroupMark) {
    ThroughputMeter meter(".");
    const ThroughputReading& r = meter.Tick(Totals(1'234'567 * kKB, 1'000 * kKB, 1.0));
    EXPECT_EQ(r.receivedTotalText, "1.234.567");
    EXPECT_EQ(r.sentTotalText, "1.000");
    EXPECT_EQ(r.downloadText, "1234567 Kb/s");
}

}  // namespace
}  // namespace bytelora
