// Hidden in the tray the window draws nothing and the table is read once a second, with
// the rates; shown again it shows where the countdown stands, the chart has kept every
// step, and the table is read four times a second again.
#include <QApplication>

#include "MainWindowRig.h"
#include "widgets/CountdownBar.h"
#include "widgets/CountdownFrame.h"

namespace bytelora::testing {
namespace {

int Drawings(const PaintCache& cache) {
    return cache.FullRefreshes() + cache.PartRefreshes();
}

TEST(HiddenPaint, NothingIsDrawnWhileHiddenAndShowingDrawsTheCurrentCountdown) {
    MainWindowRig rig;
    rig.settings.Preset("OftenIndex", "3");  // 10 seconds
    MainWindow& form = rig.Load();
    auto* frame = qobject_cast<CountdownFrame*>(form.countdownFrame);
    auto* bar = qobject_cast<CountdownBar*>(form.countdownBar);
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(bar, nullptr);
    form.show();
    QApplication::processEvents();
    form.repaint();
    const int frameDrawn = Drawings(frame->Cache());
    const int barDrawn = Drawings(bar->Cache());
    EXPECT_GT(frameDrawn, 0);
    EXPECT_GT(barDrawn, 0);

    form.hide();
    for (int i = 0; i < 4; ++i) {
        form.OnLoggingTick();
        QApplication::processEvents();
    }
    EXPECT_EQ(Drawings(frame->Cache()), frameDrawn);
    EXPECT_EQ(Drawings(bar->Cache()), barDrawn);
    // The controls hold what they would show.
    EXPECT_EQ(Title(form.countdownFrame), "Next bandwidth usage snapshot will occur in 00:00:06");
    EXPECT_EQ(form.countdownBar->value(), 4);

    form.show();
    QApplication::processEvents();
    form.repaint();
    EXPECT_GT(Drawings(frame->Cache()), frameDrawn);
    EXPECT_GT(Drawings(bar->Cache()), barDrawn);
}

TEST(HiddenPaint, TheChartKeepsEveryStepWhileNothingShowsIt) {
    MainWindowRig rig;
    MainWindow& form = rig.Load();
    form.UpdateInterfaceInfo();
    for (int second = 1; second <= 3; ++second) {
        rig.clock.Advance(std::chrono::seconds(1));
        rig.table.AddOctets(0, 512 * 1024, 0);  // a full-height download bar each second
        form.UpdateInterfaceInfo();
        form.OnMeterTick();
    }
    ASSERT_NE(form.Graph(), nullptr);
    EXPECT_FALSE(form.Graph()->isVisible());
    form.OnGraphButtonClicked();
    const QImage shown = form.Graph()->surface->grab().toImage();
    const QImage& chart = form.ChartImage();
    // The graph window shows the chart as drawn: three red columns at the right.
    for (const int x : {chart.width() - 3, chart.width() - 5, chart.width() - 7}) {
        EXPECT_EQ(chart.pixel(x, chart.height() / 2), qRgb(255, 0, 0)) << x;
        EXPECT_EQ(shown.pixel(x, chart.height() / 2), chart.pixel(x, chart.height() / 2)) << x;
    }
}

void Fire(QTimer& timer) {
    QMetaObject::invokeMethod(&timer, "timeout", Qt::DirectConnection);
}

TEST(HiddenSampling, HiddenTheTableIsReadWithTheRatesAndShownFourTimesASecondAgain) {
    MainWindowRig rig;
    MainWindow& form = rig.Load();
    form.UpdateInterfaceInfo();  // the baseline
    ASSERT_TRUE(form.samplerTimer.isActive());

    // Hidden: the meter's wake-up reads the table itself, before it takes the rates.
    int reads = rig.table.Reads();
    rig.table.AddOctets(0, 3 * 1024, 5 * 1024);
    rig.clock.Advance(std::chrono::seconds(1));
    Fire(form.meterTimer);
    EXPECT_TRUE(form.SamplingWithMeter());
    EXPECT_FALSE(form.samplerTimer.isActive());
    EXPECT_EQ(rig.table.Reads(), reads + 1);
    EXPECT_EQ(form.downloadRateLabel->text().toStdString(), "3 Kb/s");
    EXPECT_EQ(form.uploadRateLabel->text().toStdString(), "5 Kb/s");
    rig.table.AddOctets(0, 7 * 1024, 0);
    rig.clock.Advance(std::chrono::seconds(1));
    Fire(form.meterTimer);
    EXPECT_EQ(rig.table.Reads(), reads + 2);
    EXPECT_EQ(form.downloadRateLabel->text().toStdString(), "7 Kb/s");
    EXPECT_EQ(form.uploadRateLabel->text().toStdString(), "0 Kb/s");

    // Shown: the sampler has its own four ticks a second again, from the meter's tick on.
    form.show();
    reads = rig.table.Reads();
    Fire(form.meterTimer);
    EXPECT_FALSE(form.SamplingWithMeter());
    EXPECT_TRUE(form.samplerTimer.isActive());
    EXPECT_EQ(form.samplerTimer.interval(), 250);
    EXPECT_EQ(rig.table.Reads(), reads);
    Fire(form.samplerTimer);
    EXPECT_EQ(rig.table.Reads(), reads + 1);

    // The graph window alone on screen counts as shown.
    form.hide();
    form.OnGraphButtonClicked();
    ASSERT_TRUE(form.Graph()->isVisible());
    Fire(form.meterTimer);
    EXPECT_FALSE(form.SamplingWithMeter());
    form.Graph()->hide();
    Fire(form.meterTimer);
    EXPECT_TRUE(form.SamplingWithMeter());
}

// Hidden in the tray the frame's caption and the bar's value wait for the window; shown,
// it holds what a window that was never hidden holds after the same ticks, a snapshot
// (which sets three captions in a row) included.
TEST(HiddenSampling, TheCountdownWaitsWhileHiddenAndShowsWhereItStands) {
    MainWindowRig hiddenRig;
    MainWindowRig plainRig;
    for (MainWindowRig* rig : {&hiddenRig, &plainRig}) rig->settings.Preset("OftenIndex", "2");
    MainWindow& hidden = hiddenRig.Load();
    MainWindow& plain = plainRig.Load();
    Fire(hidden.meterTimer);
    ASSERT_TRUE(hidden.SamplingWithMeter());
    const std::string before = Title(hidden.countdownFrame);
    const int valueBefore = hidden.countdownBar->value();

    const auto tick = [&](int times) {
        for (int i = 0; i < times; ++i) {
            hidden.OnLoggingTick();
            plain.OnLoggingTick();
        }
    };
    tick(3);
    EXPECT_EQ(Title(hidden.countdownFrame), before);
    EXPECT_EQ(hidden.countdownBar->value(), valueBefore);
    hidden.show();
    EXPECT_EQ(Title(hidden.countdownFrame), Title(plain.countdownFrame));
    EXPECT_EQ(hidden.countdownBar->value(), plain.countdownBar->value());
    EXPECT_EQ(hidden.countdownBar->value(), 3);

    hidden.hide();
    tick(2);  // the fifth tick takes a snapshot
    EXPECT_EQ(hidden.snapshotList->topLevelItemCount(), 1);
    EXPECT_NE(hidden.countdownBar->value(), plain.countdownBar->value());
    hidden.show();
    EXPECT_EQ(Title(hidden.countdownFrame), Title(plain.countdownFrame));
    EXPECT_EQ(Title(hidden.countdownFrame), "Next bandwidth usage snapshot will occur in 00:00:00");
    EXPECT_EQ(hidden.countdownBar->value(), plain.countdownBar->value());
    EXPECT_EQ(hidden.countdownBar->value(), 0);
}

}  // namespace
}  // namespace bytelora::testing
