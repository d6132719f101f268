// The small meter above other windows: its tray-menu entries, its place, and the rates it
// takes from the meter's tick once a second.
#include <QSignalBlocker>

#include <functional>
#include <string>

#include "app/MainWindow.h"
#include "app/MainWindowParts.h"
#include "monitor/MonitorText.h"
#include "monitor/TrafficWatch.h"
#include "settings/GlanceChoices.h"
#include "settings/RatesWindowPlace.h"
#include "tray/RatesWindowEntry.h"
#include "views/RatesWindow.h"

namespace bytelora {
namespace {

const char* OnOff(bool on) {
    return on ? "On" : "Off";
}

// The meter's last reading (none before the table is first read), which a meter shown
// between two ticks starts from.
void ShowLastRates(RatesWindow& meter, const TrafficWatch* watch) {
    static const ThroughputReading kNone;
    const ThroughputReading& last = watch ? watch->Last() : kNone;
    meter.SetRates(BytesPerSecond(last.downloadRate), BytesPerSecond(last.uploadRate));
}

}  // namespace

void MainWindow::WireRatesWindow() {
    const RatesWindowEntries entries = AddRatesWindowEntries(*parts_->trayMenu);
    parts_->ratesWindowEntry = entries.window;
    parts_->ratesChartEntry = entries.chart;
    // Queued, as the other entries are: the meter appears once the menu has closed.
    connect(
        entries.window, &QAction::toggled, this,
        [this](bool on) {
            RunUnguarded(std::function<void()>([this, on] { SetRatesWindowOn(on); }));
        },
        Qt::QueuedConnection);
    connect(
        entries.chart, &QAction::toggled, this,
        [this](bool on) {
            RunUnguarded(std::function<void()>([this, on] { SetRatesWindowChart(on); }));
        },
        Qt::QueuedConnection);
    // Without a tray the meter is the one view that needs no opening: a hidden start
    // then hides the window for real, and a double-click on the meter brings it back.
    parts_->trayBehaviour->SetOtherWayBack(
        [this] { return parts_->ratesWindow && parts_->ratesWindow->isVisible(); });
}

void MainWindow::ShowStoredRatesWindow() {
    const GlanceChoices choices = ReadGlanceChoices(parts_->settings);
    parts_->glanceUnits = choices.units;
    if (!choices.ratesWindow) return;
    const QSignalBlocker quiet(parts_->ratesWindowEntry);
    parts_->ratesWindowEntry->setChecked(true);
    ShowRatesWindow(true);
}

void MainWindow::SetRatesWindowOn(bool on) {
    if (parts_->ratesWindowEntry->isChecked() != on) {
        const QSignalBlocker quiet(parts_->ratesWindowEntry);
        parts_->ratesWindowEntry->setChecked(on);
    }
    ShowRatesWindow(on);
    StoreSetting(kRatesWindowKey, OnOff(on));
    // Hidden by a start without a tray, the window had only the meter to come back by.
    if (!on && parts_->trayBehaviour->HiddenBehindOtherWay()) OnTrayMouseUp(0, 0);
}

void MainWindow::SetRatesWindowChart(bool on) {
    if (parts_->ratesChartEntry->isChecked() != on) {
        const QSignalBlocker quiet(parts_->ratesChartEntry);
        parts_->ratesChartEntry->setChecked(on);
    }
    if (parts_->ratesWindow) parts_->ratesWindow->ShowChart(on);
    StoreSetting(kRatesWindowChartKey, OnOff(on));
}

void MainWindow::SetGlanceUnits(RateUnits units) {
    parts_->glanceUnits = units;
    if (parts_->ratesWindow) parts_->ratesWindow->SetUnits(units);
}

RatesWindow* MainWindow::RatesMeter() const {
    return parts_->ratesWindow.get();
}

void MainWindow::ShowRatesWindow(bool on) {
    parts_->ratesChartEntry->setVisible(on);
    if (!on) {
        if (parts_->ratesWindow) parts_->ratesWindow->hide();
        return;
    }
    if (!parts_->ratesWindow) MakeRatesWindow();
    RatesWindow& meter = *parts_->ratesWindow;
    const auto stored = ReadRatesWindowPlace(parts_->settings);
    meter.PlaceAt(stored ? std::optional<QPoint>(QPoint(stored->x, stored->y)) : std::nullopt);
    ShowLastRates(meter, parts_->watch.get());
    meter.show();
    meter.raise();
}

void MainWindow::MakeRatesWindow() {
    parts_->ratesWindow = std::make_unique<RatesWindow>();
    RatesWindow& meter = *parts_->ratesWindow;
    meter.setWindowIcon(windowIcon());
    meter.SetUnits(parts_->glanceUnits);
    meter.SetChartSource([this] { return &parts_->chart.Image(); });
    const bool chart = ReadRatesWindowChart(parts_->settings);
    meter.ShowChart(chart);
    {
        const QSignalBlocker quiet(parts_->ratesChartEntry);
        parts_->ratesChartEntry->setChecked(chart);
    }
    connect(&meter, &RatesWindow::ShowMainRequested, this,
            [this] { RunUnguarded(std::function<void()>([this] { OnTrayMouseUp(1, 0); })); });
    connect(&meter, &RatesWindow::MenuRequested, this,
            [this](QPoint at) { parts_->trayMenu->Menu().popup(at); });
    connect(&meter, &RatesWindow::PlaceChosen, this, [this](QPoint corner) {
        RunUnguarded(std::function<void()>([this, corner] {
            StoreSetting(kRatesWindowLeftKey, std::to_string(corner.x())) &&
                StoreSetting(kRatesWindowTopKey, std::to_string(corner.y()));
        }));
    });
}

void MainWindow::UpdateRatesWindow() {
    RatesWindow* meter = parts_->ratesWindow.get();
    if (meter == nullptr || !meter->isVisible()) return;
    ShowLastRates(*meter, parts_->watch.get());
    meter->ChartChanged();
}

}  // namespace bytelora
