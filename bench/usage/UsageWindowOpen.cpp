// Opens the "Data usage" window over a database of two years of hourly rows for three
// interfaces (and ten of forty applications active in every hour) and prints how long
// opening took (open_ms): making the window's controls, reading the view and painting it
// once; apart, how long opening the database took (at the program's start-up); and how
// long listing this month's applications took (apps_month_ms).
//
//   bytelora_usage_window <database> [--fill] [--hold]
//     --fill  first writes the two years (and the month so far) into <database>
//     --hold  keeps the window open (for a screenshot) until it is closed
#include <QApplication>
#include <QElapsedTimer>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>

#include "common/Clock.h"
#include "common/MessageBoxes.h"
#include "settings/SettingsStore.h"
#include "views/UsageWindow.h"

namespace {

using namespace bytelora;

class MemoryStore final : public SettingsStore {
  public:
    std::string GetSetting(const std::string&, const std::string&, const std::string& key,
                           const std::string& fallback) override {
        const auto it = values.find(key);
        return it == values.end() ? fallback : it->second;
    }
    void SaveSetting(const std::string&, const std::string&, const std::string& key,
                     const std::string& value) override {
        values[key] = value;
    }
    std::map<std::string, std::string> values;
};

class PrintedBoxes final : public MessageBoxes {
  public:
    void Show(const std::string&, const std::string& text, BoxIcon) override {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
};

void Add(UsageStore& store, const std::vector<UsageRow>& rows,
         const std::vector<AppUsageRow>& apps = {}) {
    if (store.Add(rows, apps, {}) != StoreFault::None) {
        std::fprintf(stderr, "the rows could not be written to %s\n", store.Location().c_str());
        std::exit(1);
    }
}

// Hourly rows with a day's rhythm: quiet at night, busy in the evening.
void Fill(UsageStore& store, UsageHour now) {
    const char* const names[] = {"eth0", "wlan0", "wwan0"};
    const double shares[] = {1.0, 0.35, 0.05};
    std::vector<UsageRow> rows;
    std::vector<AppUsageRow> apps;
    for (UsageHour hour = now - 2 * 365 * 24; hour <= now; ++hour) {
        for (int i = 0; i < 10; ++i) {
            const int app = static_cast<int>((hour * 3 + i * 4) % 40);
            apps.push_back({"/usr/bin/program-" + std::to_string(app),
                            "Program " + std::to_string(app), hour,
                            static_cast<std::uint64_t>(1e6 * (app + 1)),
                            static_cast<std::uint64_t>(1e5 * (app + 1))});
        }
        const double daily =
            0.5 + 0.5 * std::sin(static_cast<double>(hour % 24 - 9) / 24.0 * 6.283);
        const double weekly = (hour / 24) % 7 >= 5 ? 1.4 : 1.0;
        for (int i = 0; i < 3; ++i) {
            const double received = 180e6 * daily * weekly * shares[i] *
                                    (0.7 + static_cast<double>(hour * 7 % 13) / 20.0);
            rows.push_back({names[i], hour, static_cast<std::uint64_t>(received),
                            static_cast<std::uint64_t>(received * 0.12)});
        }
        if (rows.size() >= 3000) {
            Add(store, rows, apps);
            rows.clear();
            apps.clear();
        }
    }
    Add(store, rows, apps);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <database> [--fill] [--hold]\n", argv[0]);
        return 2;
    }
    const std::string database = argv[1];
    bool fill = false, hold = false;
    for (int i = 2; i < argc; ++i) {
        fill |= std::string(argv[i]) == "--fill";
        hold |= std::string(argv[i]) == "--hold";
    }
    SystemClock clock;
    if (fill) {
        UsageStore store({database, UsageStore::Mode::Record}, clock, {});
        Fill(store, HourOf(clock.Now()));
    }
    MemoryStore settings;
    settings.values[kUsageLimitKey] = std::to_string(300 * 1024);  // 300 GB
    PrintedBoxes boxes;

    // As in the program: the database is opened at start-up, and the main window has
    // been shown (Qt's fonts and style are loaded) before the usage window is asked for.
    QElapsedTimer timer;
    timer.start();
    const auto lap = [&timer] { return static_cast<double>(timer.nsecsElapsed()) / 1e6; };
    UsageSession usage({database, "", SystemLocalZone()}, clock, {});
    const double databaseMs = lap();
    QTableWidget mainWindow(3, 3);
    mainWindow.show();
    mainWindow.repaint();

    timer.restart();
    UsageWindow window(usage, settings, boxes, clock);
    const double controlsMs = lap();
    window.show();
    window.repaint();
    const double openMs = lap();
    timer.restart();
    window.ByApplication->setChecked(true);  // this month, by application
    window.repaint();
    const double appsMs = lap();
    window.ByApplication->setChecked(false);
    std::printf(
        "open_ms %.1f controls_ms %.1f view_ms %.1f startup_database_ms %.1f apps_month_ms %.1f\n",
        openMs, controlsMs, openMs - controlsMs, databaseMs, appsMs);
    std::fflush(stdout);
    if (!hold) return 0;
    return QApplication::exec();
}
