// The live monitor: the table read four times a second (once a second, together with
// the rates, while nothing is on screen), the rates and the chart once a second.
#include "app/Form1.h"
#include "app/Form1Parts.h"

namespace bytelora {
namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

void Form1::UpdateInterfaceInfo() {
    StatementGuard guard(*reporter_, "Form1", "UpdateInterfaceInfo");
    std::shared_ptr<CInterfaces> table;
    guard.Run(102, [&] { table = parts_->ipHelper->Interfaces(); });
    // The first read is where counting starts: the sampler takes it as its baseline.
    if (guard.Test(104, [&] { return firstSample_; })) {
        guard.Run(106, [&] { firstSample_ = false; });
    }
    guard.Run(108, [&] {
        if (table) parts_->watch->Sample(*table, services_.clock.Monotonic());
    });
    if (table && table->Count() > 0) RecordUsage(*table);
    guard.Run(112, [&] { lblRecv->setText(Text(parts_->watch->ReceivedText())); });
    guard.Run(114, [&] { lblSent->setText(Text(parts_->watch->SentText())); });
}

bool Form1::OnScreen() const {
    return isVisible() || (parts_->graph && parts_->graph->isVisible());
}

void Form1::SampleWithMeter(bool together) {
    if (together == samplingWithMeter_ || closing_) return;
    samplingWithMeter_ = together;
    // Restarted from the meter's tick, the sampler's ticks fall into the meter's
    // wake-ups again.
    if (together) {
        Timer2.stop();
    } else {
        ShowHeldCountdown();
        Timer2.start();
    }
}

void Form1::SamplerWakeUp() {
    AlignLoggingTimer();
    if (loaded_) UpdateInterfaceInfo();
}

void Form1::MeterWakeUp() {
    if (!loaded_) return;
    // Hidden in the tray, nothing shows the totals between two meter ticks: the rates,
    // the chart, the tip, the log and the usage record all take them once a second. So
    // the table is read right before the rates instead of in four wake-ups of its own.
    SampleWithMeter(!OnScreen());
    if (samplingWithMeter_) {
        AlignLoggingTimer();
        UpdateInterfaceInfo();
    }
    Timer3_Timer();
    UpdateTrayTip();
}

void Form1::Timer3_Timer() {
    StatementGuard guard(*reporter_, "Form1", "Timer3_Timer");
    const ThroughputReading* reading = nullptr;
    guard.Run(108, [&] { reading = &parts_->watch->Tick(); });
    if (!reading) return;
    guard.Run(122, [&] { Label10->setText(Text(reading->uploadText)); });
    guard.Run(126, [&] { Label1->setText(Text(reading->receivedFigure)); });
    guard.Run(128, [&] { Label2->setText(Text(reading->sentFigure)); });
    guard.Run(130, [&] {
        parts_->chart.PlotRates(reading->upload, reading->download, StripChart::kUploadColour,
                                StripChart::kDownloadColour);
        if (parts_->graph) parts_->graph->ChartChanged();
    });
    guard.Run(132, [&] { Label9->setText(Text(reading->downloadText)); });
    guard.Run(138, [&] { Label15->setText(Text(reading->receivedTotalText)); });
    guard.Run(140, [&] { Label16->setText(Text(reading->sentTotalText)); });
}

}  // namespace bytelora
