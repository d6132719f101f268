// Hidden in the tray the window draws nothing and the table is read once a second, with
// the rates; shown again it shows where the countdown stands, the chart has kept every
// step, and the table is read four times a second again.
#include <QApplication>

#include "FormRig.h"
#include "app/CountdownBar.h"
#include "app/CountdownFrame.h"

namespace bytelora::testing {
namespace {

int Drawings(const PaintCache& cache) {
    return cache.FullRefreshes() + cache.PartRefreshes();
}

TEST(HiddenPaint, NothingIsDrawnWhileHiddenAndShowingDrawsTheCurrentCountdown) {
    FormRig rig;
    rig.settings.Preset("OftenIndex", "3");  // 10 seconds
    Form1& form = rig.Load();
    auto* frame = qobject_cast<CountdownFrame*>(form.Frame1);
    auto* bar = qobject_cast<CountdownBar*>(form.ProgressBar1);
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
        form.Timer1_Timer();
        QApplication::processEvents();
    }
    EXPECT_EQ(Drawings(frame->Cache()), frameDrawn);
    EXPECT_EQ(Drawings(bar->Cache()), barDrawn);
    // The controls hold what they would show.
    EXPECT_EQ(Title(form.Frame1), "Next bandwidth usage snapshot will occur in 00:00:06");
    EXPECT_EQ(form.ProgressBar1->value(), 4);

    form.show();
    QApplication::processEvents();
    form.repaint();
    EXPECT_GT(Drawings(frame->Cache()), frameDrawn);
    EXPECT_GT(Drawings(bar->Cache()), barDrawn);
}

TEST(HiddenPaint, TheChartKeepsEveryStepWhileNothingShowsIt) {
    FormRig rig;
    Form1& form = rig.Load();
    form.UpdateInterfaceInfo();
    for (int second = 1; second <= 3; ++second) {
        rig.clock.Advance(std::chrono::seconds(1));
        rig.table.AddOctets(0, 512 * 1024, 0);  // a full-height download bar each second
        form.UpdateInterfaceInfo();
        form.Timer3_Timer();
    }
    ASSERT_NE(form.GraphWindow(), nullptr);
    EXPECT_FALSE(form.GraphWindow()->isVisible());
    form.PushButton1_Click();
    const QImage shown = form.GraphWindow()->Picture2->grab().toImage();
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
    FormRig rig;
    Form1& form = rig.Load();
    form.UpdateInterfaceInfo();  // the baseline
    ASSERT_TRUE(form.Timer2.isActive());

    // Hidden: the meter's wake-up reads the table itself, before it takes the rates.
    int reads = rig.table.Reads();
    rig.table.AddOctets(0, 3 * 1024, 5 * 1024);
    rig.clock.Advance(std::chrono::seconds(1));
    Fire(form.Timer3);
    EXPECT_TRUE(form.SamplingWithMeter());
    EXPECT_FALSE(form.Timer2.isActive());
    EXPECT_EQ(rig.table.Reads(), reads + 1);
    EXPECT_EQ(form.Label9->text().toStdString(), "3 Kb/s");
    EXPECT_EQ(form.Label10->text().toStdString(), "5 Kb/s");
    rig.table.AddOctets(0, 7 * 1024, 0);
    rig.clock.Advance(std::chrono::seconds(1));
    Fire(form.Timer3);
    EXPECT_EQ(rig.table.Reads(), reads + 2);
    EXPECT_EQ(form.Label9->text().toStdString(), "7 Kb/s");
    EXPECT_EQ(form.Label10->text().toStdString(), "0 Kb/s");

    // Shown: the sampler has its own four ticks a second again, from the meter's tick on.
    form.show();
    reads = rig.table.Reads();
    Fire(form.Timer3);
    EXPECT_FALSE(form.SamplingWithMeter());
    EXPECT_TRUE(form.Timer2.isActive());
    EXPECT_EQ(form.Timer2.interval(), 250);
    EXPECT_EQ(rig.table.Reads(), reads);
    Fire(form.Timer2);
    EXPECT_EQ(rig.table.Reads(), reads + 1);

    // The graph window alone on screen counts as shown.
    form.hide();
    form.PushButton1_Click();
    ASSERT_TRUE(form.GraphWindow()->isVisible());
    Fire(form.Timer3);
    EXPECT_FALSE(form.SamplingWithMeter());
    form.GraphWindow()->hide();
    Fire(form.Timer3);
    EXPECT_TRUE(form.SamplingWithMeter());
}

// Hidden in the tray the frame's caption and the bar's value wait for the window; shown,
// it holds what a window that was never hidden holds after the same ticks, a snapshot
// (which sets three captions in a row) included.
TEST(HiddenSampling, TheCountdownWaitsWhileHiddenAndShowsWhereItStands) {
    FormRig hiddenRig;
    FormRig plainRig;
    for (FormRig* rig : {&hiddenRig, &plainRig}) rig->settings.Preset("OftenIndex", "2");
    Form1& hidden = hiddenRig.Load();
    Form1& plain = plainRig.Load();
    Fire(hidden.Timer3);
    ASSERT_TRUE(hidden.SamplingWithMeter());
    const std::string before = Title(hidden.Frame1);
    const int valueBefore = hidden.ProgressBar1->value();

    const auto tick = [&](int times) {
        for (int i = 0; i < times; ++i) {
            hidden.Timer1_Timer();
            plain.Timer1_Timer();
        }
    };
    tick(3);
    EXPECT_EQ(Title(hidden.Frame1), before);
    EXPECT_EQ(hidden.ProgressBar1->value(), valueBefore);
    hidden.show();
    EXPECT_EQ(Title(hidden.Frame1), Title(plain.Frame1));
    EXPECT_EQ(hidden.ProgressBar1->value(), plain.ProgressBar1->value());
    EXPECT_EQ(hidden.ProgressBar1->value(), 3);

    hidden.hide();
    tick(2);  // the fifth tick takes a snapshot
    EXPECT_EQ(hidden.ListView1->topLevelItemCount(), 1);
    EXPECT_NE(hidden.ProgressBar1->value(), plain.ProgressBar1->value());
    hidden.show();
    EXPECT_EQ(Title(hidden.Frame1), Title(plain.Frame1));
    EXPECT_EQ(Title(hidden.Frame1), "Next bandwidth usage snapshot will occur in 00:00:00");
    EXPECT_EQ(hidden.ProgressBar1->value(), plain.ProgressBar1->value());
    EXPECT_EQ(hidden.ProgressBar1->value(), 0);
}

}  // namespace
}  // namespace bytelora::testing
