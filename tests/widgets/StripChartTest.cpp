#include "widgets/StripChart.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

namespace bytelora {
namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kGreen = qRgb(0, 255, 0);
constexpr QRgb kRed = qRgb(255, 0, 0);

void Plot(StripChart& chart, std::int32_t upload, std::int32_t download) {
    chart.PlotRates(upload, download, StripChart::kUploadColour, StripChart::kDownloadColour);
}

// How many pixels of a column have the colour, and whether they form one run starting at
// `from` (the top or bottom edge).
int RunFromTop(const QImage& image, int x, QRgb colour) {
    int length = 0;
    while (length < image.height() && image.pixel(x, length) == colour) ++length;
    return length;
}
int RunFromBottom(const QImage& image, int x, QRgb colour) {
    int length = 0;
    while (length < image.height() && image.pixel(x, image.height() - 1 - length) == colour) {
        ++length;
    }
    return length;
}
int Count(const QImage& image, int x, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}

TEST(StripChart, StartsAsABlackSurfaceOfTheGraphWindowsSize) {
    const StripChart chart;
    EXPECT_EQ(chart.Width(), 324);
    EXPECT_EQ(chart.Height(), 225);
    EXPECT_EQ(chart.Image().format(), QImage::Format_RGB32);
    for (int x = 0; x < chart.Width(); x += 7) {
        EXPECT_EQ(Count(chart.Image(), x, kBlack), chart.Height());
    }
}

TEST(StripChart, ColoursAreWindowsRgbValues) {
    EXPECT_EQ(StripChart::FromColorref(65280), kGreen);
    EXPECT_EQ(StripChart::FromColorref(255), kRed);
    EXPECT_EQ(StripChart::FromColorref(0x00FF0000), qRgb(0, 0, 255));
    EXPECT_EQ(StripChart::FromColorref(0x00123456), qRgb(0x56, 0x34, 0x12));
}

struct BarCase {
    std::int32_t rate;
    int uploadLength;    // from the bottom, column W-4
    int downloadLength;  // from the top, column W-3
};

class Bars : public ::testing::TestWithParam<BarCase> {};

TEST_P(Bars, GrowFromOppositeEdgesAndStopAtFullScale) {
    const BarCase& c = GetParam();
    StripChart chart;
    Plot(chart, c.rate, c.rate);
    const QImage& image = chart.Image();
    const int x = chart.Width() - 4;

    EXPECT_EQ(RunFromBottom(image, x, kGreen), c.uploadLength);
    EXPECT_EQ(Count(image, x, kGreen), c.uploadLength);
    EXPECT_EQ(Count(image, x, kBlack), chart.Height() - c.uploadLength);
    EXPECT_EQ(RunFromTop(image, x + 1, kRed), c.downloadLength);
    EXPECT_EQ(Count(image, x + 1, kRed), c.downloadLength);
    EXPECT_EQ(Count(image, x + 1, kBlack), chart.Height() - c.downloadLength);
    for (int column : {chart.Width() - 2, chart.Width() - 1, x - 1}) {
        EXPECT_EQ(Count(image, column, kBlack), chart.Height()) << column;
    }
}

INSTANTIATE_TEST_SUITE_P(StripChart, Bars,
                         ::testing::Values(BarCase{800, 225, 225}, BarCase{512, 225, 225},
                                           BarCase{INT32_MAX, 225, 225},
                                           // 112.5 pixels: a half goes to the even row
                                           BarCase{256, 113, 112}, BarCase{3, 1, 1},
                                           BarCase{1, 0, 0}, BarCase{0, 0, 0}, BarCase{-50, 0, 0},
                                           BarCase{INT32_MIN, 0, 0}),
                         [](const auto& param) { return "Case" + std::to_string(param.index); });

TEST(StripChart, EachStepScrollsEarlierStepsTwoPixelsLeft) {
    StripChart chart;
    Plot(chart, 800, 256);
    const QImage first = chart.Image().copy();
    Plot(chart, 0, 0);
    Plot(chart, 128, 800);

    const QImage& image = chart.Image();
    const int x = chart.Width() - 4;
    for (int column = 0; column + 4 < chart.Width(); ++column) {
        for (int y = 0; y < chart.Height(); ++y) {
            ASSERT_EQ(image.pixel(column, y), first.pixel(column + 4, y)) << column << "," << y;
        }
    }
    // The step in between left nothing behind: the erase line cleared the column.
    EXPECT_EQ(Count(image, x - 2, kBlack), chart.Height());
    EXPECT_EQ(Count(image, x - 1, kBlack), chart.Height());
    EXPECT_EQ(RunFromBottom(image, x, kGreen), 56);
    EXPECT_EQ(RunFromTop(image, x + 1, kRed), 225);
}

TEST(StripChart, StepsLeaveTheLeftEdgeAndKeepTheSameImage) {
    StripChart chart;
    const uchar* bits = chart.Image().constBits();
    for (int step = 0; step < 400; ++step) Plot(chart, 600, 600);
    Plot(chart, 0, 0);
    EXPECT_EQ(chart.Image().constBits(), bits);
    EXPECT_EQ(Count(chart.Image(), 0, kGreen), 225);
    EXPECT_EQ(Count(chart.Image(), 1, kRed), 225);
    EXPECT_EQ(Count(chart.Image(), chart.Width() - 4, kBlack), 225);
}

TEST(StripChart, TinySurfacesAreDrawnWithoutWritingOutside) {
    for (int width : {1, 2, 3, 4, 5}) {
        for (int height : {1, 2}) {
            StripChart chart(width, height);
            Plot(chart, 800, 800);
            Plot(chart, -800, 256);
            EXPECT_EQ(chart.Width(), width);
            EXPECT_EQ(chart.Height(), height);
        }
    }
    StripChart degenerate(0, -5);
    Plot(degenerate, 100, 100);
    EXPECT_EQ(degenerate.Width(), 1);
    EXPECT_EQ(degenerate.Height(), 1);
}

}  // namespace
}  // namespace bytelora

namespace bytelora {
namespace {

TEST(StripChart, StepsDrawnLaterInOneGoMatchStepsDrawnOneByOne) {
    // Nobody looks while the graph window is hidden: the steps wait and are drawn with
    // one scroll. The picture must be the one drawn step by step, however many waited.
    for (const int steps : {1, 3, 161, 162, 163, 400}) {
        StripChart eager;
        StripChart lazy;
        for (int step = 0; step < steps; ++step) {
            const std::int32_t upload = (step * 37) % 700 - 50;
            const std::int32_t download = (step * 53) % 600;
            Plot(eager, upload, download);
            eager.Image();
            Plot(lazy, upload, download);
        }
        EXPECT_EQ(lazy.Image(), eager.Image()) << steps << " steps";
    }
}

}  // namespace
}  // namespace bytelora
