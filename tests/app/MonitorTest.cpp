#include "MainWindowRig.h"

namespace bytelora::testing {
namespace {

constexpr std::uint64_t KB = 1024;

TEST(Monitor, FirstSampleCountsFromZeroAndRatesFollowTheTable) {
    MainWindowRig rig;
    rig.table.SetOctets(0, 5'000'000, 70'000);
    MainWindow& form = rig.Load();

    form.UpdateInterfaceInfo();
    EXPECT_FALSE(form.FirstSample());
    EXPECT_EQ(form.receivedKbLabel->text(), "0");
    EXPECT_EQ(form.sentKbLabel->text(), "0");

    // One second later 120 KB came in and 3 KB went out.
    rig.clock.Advance(std::chrono::seconds(1));
    rig.table.AddOctets(0, 120 * KB, 3 * KB);
    form.UpdateInterfaceInfo();
    form.OnMeterTick();
    EXPECT_EQ(form.receivedKbLabel->text(), "120");
    EXPECT_EQ(form.downloadRateLabel->text(), "120 Kb/s");
    EXPECT_EQ(form.uploadRateLabel->text(), "3 Kb/s");
    EXPECT_EQ(form.previousReceivedLabel->text(), "120");
    EXPECT_EQ(form.previousSentLabel->text(), "3");

    // A quiet second gives zero rates and grouped totals stay as they were.
    rig.clock.Advance(std::chrono::seconds(1));
    form.UpdateInterfaceInfo();
    form.OnMeterTick();
    EXPECT_EQ(form.downloadRateLabel->text(), "0 Kb/s");
    EXPECT_EQ(form.uploadRateLabel->text(), "0 Kb/s");
    EXPECT_EQ(rig.ErrorBoxCount(), 0);
}

TEST(Monitor, EveryTickDrawsOneStepOfTheChart) {
    MainWindowRig rig;
    MainWindow& form = rig.Load();
    form.UpdateInterfaceInfo();
    rig.clock.Advance(std::chrono::seconds(1));
    rig.table.AddOctets(0, 800 * KB, 256 * KB);  // download beyond full scale, upload at half
    form.UpdateInterfaceInfo();
    form.OnMeterTick();

    const QImage& chart = form.ChartImage();
    const int w = chart.width();
    const int h = chart.height();
    const QRgb green = qRgb(0, 255, 0);
    const QRgb red = qRgb(255, 0, 0);
    const QRgb black = qRgb(0, 0, 0);
    // The upload bar grows from the bottom to half the height.
    EXPECT_EQ(chart.pixel(w - 4, h - 1), green);
    EXPECT_EQ(chart.pixel(w - 4, h / 2 + 1), green);
    EXPECT_EQ(chart.pixel(w - 4, h / 2 - 2), black);
    // The download bar hangs from the top over the whole height (clamped at 512).
    EXPECT_EQ(chart.pixel(w - 3, 0), red);
    EXPECT_EQ(chart.pixel(w - 3, h - 1), red);
    // One more quiet tick scrolls the step two pixels to the left.
    rig.clock.Advance(std::chrono::seconds(1));
    form.UpdateInterfaceInfo();
    form.OnMeterTick();
    EXPECT_EQ(&form.ChartImage(), &chart);  // the same image, brought up to date
    EXPECT_EQ(chart.pixel(w - 6, h - 1), green);
    EXPECT_EQ(chart.pixel(w - 4, h - 1), black);
}

}  // namespace
}  // namespace bytelora::testing
