#pragma once

#include <memory>

#include "common/ErrorReport.h"
#include "apps/AppsWindow.h"
#include "history/Form2.h"
#include "history/LoggingScheduler.h"
#include "interfaces/InterfacesDialog.h"
#include "monitor/StripChart.h"
#include "monitor/TrafficWatch.h"
#include "netstats/CIpHelper.h"
#include "settings/SettingsStore.h"
#include "tray/TrayMenu.h"
#include "tray/cSysTray.h"
#include "usage/UsageSession.h"
#include "usage/UsageWindow.h"

namespace bytelora {

// The long-lived objects that belong to the main window and end with it.
class Form1Parts {
  public:
    explicit Form1Parts(SettingsStore& store) : settings(store) {}

    Settings settings;
    std::unique_ptr<CIpHelper> ipHelper;
    std::unique_ptr<TrafficWatch> watch;
    StripChart chart;
    LoggingScheduler scheduler;
    std::unique_ptr<cSysTray> tray;
    std::unique_ptr<Form2> graph;
    std::unique_ptr<TrayMenu> trayMenu;
    std::unique_ptr<InterfacesDialog> interfacesDialog;
    std::unique_ptr<UsageSession> usage;
    // node_exporter's textfile, when the settings name a folder for it.
    std::unique_ptr<PrometheusTextfile> textfile;
    std::unique_ptr<UsageWindow> usageWindow;
    std::unique_ptr<AppsWindow> appsWindow;
    std::chrono::steady_clock::time_point lastLimitCheck{};
    bool usageStarted = false;
};

}  // namespace bytelora
