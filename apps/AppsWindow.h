#pragma once

#include <QLabel>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>

#include <functional>

#include "apps/AppRates.h"
#include "common/Clock.h"
#include "countd/AppNames.h"
#include "countd/CountdClient.h"

namespace bytelora {

// The "Applications" window: each application's download and upload rate and its bytes
// since the per-application counter started, busiest first, refreshed once a second
// while it is shown. Hidden, it asks the counter nothing. Without the counter it says so
// in one line, with how to enable it.
class AppsWindow : public QWidget {
    Q_OBJECT

  public:
    using Fetch = std::function<countd::FetchResult()>;

    AppsWindow(Fetch fetch, countd::AppNames names, const Clock& clock, QWidget* parent = nullptr);

    // One look at the counter (the timer's work).
    void Refresh();

    QTableWidget& Table() { return *table_; }
    QLabel& Notice() { return *notice_; }
    bool Refreshing() const { return timer_.isActive(); }

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void ShowRows(const std::vector<AppRateRow>& rows);

    Fetch fetch_;
    countd::AppNames names_;
    const Clock& clock_;
    AppRates rates_;
    QTimer timer_;
    QLabel* notice_ = nullptr;
    QTableWidget* table_ = nullptr;
};

}  // namespace bytelora
