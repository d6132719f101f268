// The rates at a glance in the tray icon: the "Icon Shows" and "Units" choices and the
// picture, drawn again once a second and sent to the tray only when it changed.
#include <QString>

#include <functional>

#include "app/MainWindow.h"
#include "app/MainWindowParts.h"
#include "monitor/GlanceText.h"
#include "monitor/MonitorText.h"
#include "tray/GlanceMenus.h"

namespace bytelora {

namespace {

QString Short(double kilobytesPerSecond, RateUnits units) {
    return QString::fromStdString(ShortRate(BytesPerSecond(kilobytesPerSecond), units));
}

}  // namespace

void MainWindow::WireGlanceMenus() {
    const GlanceChoices choices = ReadGlanceChoices(parts_->settings);
    parts_->glance.Show(choices.trayIcon);
    parts_->glanceUnits = choices.units;
    TrayMenu& menu = *parts_->trayMenu;
    AddIconShowsMenu(menu, choices.trayIcon, [this](TrayIconShows shows) {
        RunUnguarded(std::function<void()>([&] { ChooseTrayIconShows(shows); }));
    });
    AddUnitsMenu(menu, choices.units, [this](RateUnits units) {
        RunUnguarded(std::function<void()>([&] { ChooseRateUnits(units); }));
    });
    // The icon goes into the tray later in the start-up, already showing the choice.
    SendTrayPicture();
}

void MainWindow::ChooseTrayIconShows(TrayIconShows shows) {
    parts_->glance.Show(shows);
    StoreSetting(kTrayIconKey, TrayIconShowsText(shows));
    SendTrayPicture();
}

void MainWindow::ChooseRateUnits(RateUnits units) {
    SetGlanceUnits(units);
    StoreSetting(kRateUnitsKey, RateUnitsText(units));
    // The icon's and the small meter's texts follow with the meter's next second.
}

void MainWindow::ShowGlanceRates(const ThroughputReading& reading) {
    const RateUnits units = parts_->glanceUnits;
    parts_->glance.AddSecond(Short(reading.downloadRate, units), Short(reading.uploadRate, units),
                             reading.download, reading.upload);
    SendTrayPicture();
    UpdateRatesWindow();
}

void MainWindow::SendTrayPicture() {
    if (!parts_->tray || !parts_->glance.Changed()) return;
    // Every picture sent is redrawn by the desktop (a NewIcon over D-Bus, NIM_MODIFY on
    // Windows): an unchanged one is not sent again.
    RunUnguarded(std::function<void()>([&] { parts_->tray->Icon(parts_->glance.TakeIcon()); }));
}

}  // namespace bytelora
