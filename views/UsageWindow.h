#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>

#include <functional>

#include "common/Clock.h"
#include "common/MessageBoxes.h"
#include "settings/SettingsStore.h"
#include "usage/UsageApps.h"
#include "usage/UsageLimit.h"
#include "usage/UsageSession.h"
#include "views/UsageChart.h"

namespace bytelora {

// "Data usage": today by hour, this accounting month by day and the last 24 months, each
// as a bar chart and a table, with the monthly limit and its projection. Today and this
// month can list each application's bytes instead, where they were recorded. Modeless; the
// main window makes it the first time it is asked for, so a program that never opens it
// pays nothing for it.
class UsageWindow : public QWidget {
    Q_OBJECT

  public:
    UsageWindow(UsageSession& usage, SettingsStore& store, MessageBoxes& boxes, const Clock& clock,
                QWidget* parent = nullptr);

    // Tab order: "Today", "This month", "Months".
    QTabBar* Views = nullptr;
    QComboBox* InterfaceFilter = nullptr;
    // The table lists each application's bytes over the view (today and this month).
    QCheckBox* ByApplication = nullptr;
    QPushButton* ExportButton = nullptr;
    UsageChart* Chart = nullptr;
    QTableWidget* Table = nullptr;
    QDoubleSpinBox* LimitGb = nullptr;
    QSpinBox* MonthStart = nullptr;
    QCheckBox* AlertCheck = nullptr;
    QLabel* Projection = nullptr;

    // Reads the shown view again (done when shown, and every minute while shown).
    void Refresh();
    const UsageView& CurrentView() const { return view_; }
    // The applications listed, busiest first; empty unless the table lists them.
    const std::vector<AppTotal>& CurrentApps() const { return apps_; }
    bool ShowsApplications() const;
    // Writes the shown view as CSV; false, after telling the user, when it cannot.
    bool ExportCsv(const QString& path);
    // Asks where to export; empty when the user cancels. Tests replace it.
    std::function<QString()> askSavePath;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void BuildControls();
    void LoadLimit();
    void SaveLimit(const char* key, const std::string& value);
    void FillInterfaces();
    void FillTable();
    void FillAppTable();
    void ShowProjection();
    void Store(const char* key, const std::string& value);

    UsageSession& usage_;
    SettingsStore& store_;
    Settings settings_;
    MessageBoxes& boxes_;
    const Clock& clock_;
    UsageView view_;
    std::vector<AppTotal> apps_;
    QTimer refreshTimer_;
    bool loadingLimit_ = false;
};

}  // namespace bytelora
