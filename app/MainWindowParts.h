#pragma once

#include <memory>

#include "app/LoggingControls.h"
#include "app/PointerRules.h"
#include "app/Shutdown.h"
#include "app/StartupOptions.h"
#include "app/TrayBehaviour.h"
#include "common/ErrorReport.h"
#include "history/LoggingScheduler.h"
#include "monitor/TrafficWatch.h"
#include "netstats/InterfaceTotals.h"
#include "settings/SettingsStore.h"
#include "tray/TrayGlance.h"
#include "tray/TrayIcon.h"
#include "tray/TrayMenu.h"
#include "usage/UsageSession.h"
#include "views/AppsWindow.h"
#include "views/GraphWindow.h"
#include "views/InterfacesDialog.h"
#include "views/RatesWindow.h"
#include "views/UsageWindow.h"
#include "widgets/StripChart.h"

namespace bytelora {

// The long-lived objects that belong to the main window and end with it. The window's
// jobs come last: they refer to the objects above, which must outlive them.
class MainWindowParts {
  public:
    explicit MainWindowParts(SettingsStore& store) : settings(store) {}

    Settings settings;
    std::unique_ptr<InterfaceTotals> ipHelper;
    std::unique_ptr<TrafficWatch> watch;
    StripChart chart;
    LoggingScheduler scheduler;
    std::unique_ptr<TrayIcon> tray;
    std::unique_ptr<GraphWindow> graph;
    std::unique_ptr<TrayMenu> trayMenu;
    // What the tray icon shows and how its rates read.
    TrayGlance glance;
    RateUnits glanceUnits = RateUnits::Bytes;
    std::unique_ptr<InterfacesDialog> interfacesDialog;
    std::unique_ptr<UsageSession> usage;
    // node_exporter's textfile, when the settings name a folder for it.
    std::unique_ptr<PrometheusTextfile> textfile;
    std::unique_ptr<UsageWindow> usageWindow;
    std::unique_ptr<AppsWindow> appsWindow;
    // The small meter, made the first time it is shown, and its menu entries; its units
    // are the icon's, above.
    std::unique_ptr<RatesWindow> ratesWindow;
    QAction* ratesWindowEntry = nullptr;
    QAction* ratesChartEntry = nullptr;
    std::chrono::steady_clock::time_point lastLimitCheck{};
    bool usageStarted = false;

    std::unique_ptr<TrayBehaviour> trayBehaviour;
    std::unique_ptr<StartupOptions> startupOptions;
    std::unique_ptr<PointerRules> pointer;
    std::unique_ptr<LoggingControls> logging;
    std::unique_ptr<Shutdown> shutdown;
};

}  // namespace bytelora
