#pragma once

#include <QLabel>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
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
// in one line, with how to enable it. The counter is asked on a thread of its own, one
// question at a time, so that a slow counter never stalls the window: it shows the last
// answer until the next one comes.
class AppsWindow : public QWidget {
    Q_OBJECT

  public:
    using Fetch = std::function<countd::FetchResult()>;

    // Each application's bytes today, by countd::ApplicationKey, given the counter's reply.
    using BytesToday =
        std::function<std::map<std::string, countd::ByteCounts>(const countd::Reply&)>;

    AppsWindow(Fetch fetch, countd::AppNames names, const Clock& clock, QWidget* parent = nullptr);
    ~AppsWindow() override;

    // Shows each application's bytes today rather than since the counter started.
    void CountToday(BytesToday today);

    // Asks the counter once in the background (the timer's work); nothing while an
    // earlier question is still unanswered.
    void Refresh();
    // Whether a question is out and its answer not yet shown.
    bool Asking() const { return asking_; }

    QTableWidget& Table() { return *table_; }
    QLabel& Notice() { return *notice_; }
    // Shown under the table when the counter could not tell some programs apart.
    QLabel& Refused() { return *refused_; }
    bool Refreshing() const { return timer_.isActive(); }

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    // What the asking thread shares with the window: the window, until it is gone.
    struct Link;

    void ShowAnswer(const countd::FetchResult& fetched);
    void ShowRows(const std::vector<AppRateRow>& rows);

    Fetch fetch_;
    BytesToday today_;
    countd::AppNames names_;
    const Clock& clock_;
    AppRates rates_;
    QTimer timer_;
    QLabel* notice_ = nullptr;
    QLabel* refused_ = nullptr;
    QTableWidget* table_ = nullptr;
    std::shared_ptr<Link> link_;
    bool asking_ = false;
};

}  // namespace bytelora
