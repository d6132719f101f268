// The live monitor: the table read four times a second (once a second, together with
// the rates, while nothing is on screen), the rates and the chart once a second.
#include "app/MainWindow.h"
#include "app/MainWindowParts.h"
#include "common/ReportLocations.h"

namespace bytelora {
namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

void MainWindow::UpdateInterfaceInfo() {
    StatementGuard guard(*reporter_, report::kMainWindow, report::kSampler);
    std::shared_ptr<InterfaceTable> table;
    guard.Run(102, [&] { table = parts_->ipHelper->Interfaces(); });
    // The first read is where counting starts: the sampler takes it as its baseline.
    if (guard.Test(104, [&] { return firstSample_; })) {
        guard.Run(106, [&] { firstSample_ = false; });
    }
    guard.Run(108, [&] {
        if (table) parts_->watch->Sample(*table, services_.clock.Monotonic());
    });
    if (table && table->Count() > 0) RecordUsage(*table);
    guard.Run(112, [&] { receivedKbLabel->setText(Text(parts_->watch->ReceivedText())); });
    guard.Run(114, [&] { sentKbLabel->setText(Text(parts_->watch->SentText())); });
}

bool MainWindow::OnScreen() const {
    return isVisible() || (parts_->graph && parts_->graph->isVisible());
}

void MainWindow::SampleWithMeter(bool together) {
    if (together == samplingWithMeter_ || life_.closing) return;
    samplingWithMeter_ = together;
    // Restarted from the meter's tick, the sampler's ticks fall into the meter's
    // wake-ups again.
    if (together) {
        samplerTimer.stop();
    } else {
        parts_->logging->ShowHeldCountdown();
        samplerTimer.start();
    }
}

void MainWindow::SamplerWakeUp() {
    parts_->logging->AlignLoggingTimer();
    if (life_.loaded) UpdateInterfaceInfo();
}

void MainWindow::MeterWakeUp() {
    if (!life_.loaded) return;
    // Hidden in the tray, nothing shows the totals between two meter ticks: the rates,
    // the chart, the tip, the log and the usage record all take them once a second. So
    // the table is read right before the rates instead of in four wake-ups of its own.
    SampleWithMeter(!OnScreen());
    if (samplingWithMeter_) {
        parts_->logging->AlignLoggingTimer();
        UpdateInterfaceInfo();
    }
    OnMeterTick();
    UpdateTrayTip();
}

void MainWindow::OnMeterTick() {
    StatementGuard guard(*reporter_, report::kMainWindow, report::kMeterTick);
    const ThroughputReading* reading = nullptr;
    guard.Run(108, [&] { reading = &parts_->watch->Tick(); });
    if (!reading) return;
    guard.Run(122, [&] { uploadRateLabel->setText(Text(reading->uploadText)); });
    guard.Run(126, [&] { receivedDifferenceLabel->setText(Text(reading->receivedFigure)); });
    guard.Run(128, [&] { sentDifferenceLabel->setText(Text(reading->sentFigure)); });
    guard.Run(130, [&] {
        parts_->chart.PlotRates(reading->upload, reading->download, StripChart::kUploadColour,
                                StripChart::kDownloadColour);
        if (parts_->graph) parts_->graph->ChartChanged();
    });
    guard.Run(132, [&] { downloadRateLabel->setText(Text(reading->downloadText)); });
    guard.Run(138, [&] { previousReceivedLabel->setText(Text(reading->receivedTotalText)); });
    guard.Run(140, [&] { previousSentLabel->setText(Text(reading->sentTotalText)); });
    ShowGlanceRates(*reading);
}

}  // namespace bytelora
