#pragma once

#include <QLabel>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <map>
#include <string>

#include "common/Clock.h"
#include "countd/client/AppNames.h"
#include "countd/client/AppRates.h"
#include "countd/client/CountdClient.h"

namespace bytelora {

// The "Applications" window: each application's download and upload rate and its bytes
// today (or, where data usage is not at hand, since the per-application counter
// started), busiest first, refreshed once a second
// while it is shown. Hidden, it asks the counter nothing. Without the counter it says so
// in one line, with how to enable it.
class AppsWindow : public QWidget {
    Q_OBJECT

  public:
    using Fetch = std::function<countd::FetchResult()>;

    // Each application's bytes today, by countd::ApplicationKey, given the counter's reply.
    using BytesToday =
        std::function<std::map<std::string, countd::ByteCounts>(const countd::Reply&)>;

    AppsWindow(Fetch fetch, countd::AppNames names, const Clock& clock, QWidget* parent = nullptr);

    // Shows each application's bytes today rather than since the counter started.
    void CountToday(BytesToday today);

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
    BytesToday today_;
    countd::AppNames names_;
    const Clock& clock_;
    AppRates rates_;
    QTimer timer_;
    QLabel* notice_ = nullptr;
    QTableWidget* table_ = nullptr;
};

}  // namespace bytelora
