#include "views/AppsWindow.h"

#include <QHeaderView>
#include <QIcon>
#include <QLocale>
#include <QVBoxLayout>

#include <climits>
#include <mutex>
#include <system_error>
#include <thread>

#include "common/AppText.h"
#include "views/ShownAmounts.h"

namespace bytelora {

struct AppsWindow::Link {
    std::mutex mutex;
    AppsWindow* window = nullptr;  // null once the window is being destroyed
};

namespace {

enum Column { kName, kDownload, kUpload, kReceived, kSent, kColumns };

QTableWidgetItem* Cell(const QString& text, bool number) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// The entry's Icon: a file when it is a path, else a name in the icon theme; a program
// without one gets the theme's generic program icon.
QIcon IconFor(const std::string& icon) {
    const QString text = QString::fromStdString(icon);
    if (text.startsWith(QLatin1Char('/'))) return QIcon(text);
    return QIcon::fromTheme(text.isEmpty() ? QStringLiteral("application-x-executable") : text,
                            QIcon::fromTheme(QStringLiteral("application-x-executable")));
}

QString RateText(std::uint64_t kbps) {
    return ShownRate(kbps);
}

QString BytesText(std::uint64_t bytes) {
    return QLocale().formattedDataSize(
        static_cast<qint64>(std::min<std::uint64_t>(bytes, INT64_MAX)), 1,
        QLocale::DataSizeTraditionalFormat);
}

}  // namespace

AppsWindow::AppsWindow(Fetch fetch, countd::AppNames names, const Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::Window),
      fetch_(std::move(fetch)),
      names_(std::move(names)),
      clock_(clock),
      link_(std::make_shared<Link>()) {
    link_->window = this;
    setWindowTitle(QString::fromLatin1(kProductName) + tr(" - Applications"));
    notice_ = new QLabel(this);
    notice_->setWordWrap(true);
    notice_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    notice_->hide();
    table_ = new QTableWidget(0, kColumns, this);
    table_->setHorizontalHeaderLabels(
        {tr("Application"), tr("Download"), tr("Upload"), tr("Received"), tr("Sent")});
    table_->setToolTip(tr("Received and sent: since the per-application counter started"));
    table_->verticalHeader()->hide();
    table_->setShowGrid(false);
    // Rebuilt every second: a selection or a current cell would not survive a refresh.
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->horizontalHeader()->setSectionResizeMode(kName, QHeaderView::Stretch);
    for (int column = kDownload; column < kColumns; ++column) {
        table_->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    refused_ = new QLabel(this);
    refused_->setWordWrap(true);
    refused_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(notice_);
    layout->addWidget(table_);
    layout->addWidget(refused_);
    resize(560, 360);
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &AppsWindow::Refresh);
}

AppsWindow::~AppsWindow() {
    // An answer still on its way is dropped: the asking thread posts only while it holds
    // the lock and sees the window, and posted calls die with the window.
    const std::lock_guard lock(link_->mutex);
    link_->window = nullptr;
}

void AppsWindow::CountToday(BytesToday today) {
    today_ = std::move(today);
    const bool daily = static_cast<bool>(today_);
    table_->setHorizontalHeaderItem(
        kReceived, new QTableWidgetItem(daily ? tr("Received today") : tr("Received")));
    table_->setHorizontalHeaderItem(kSent,
                                    new QTableWidgetItem(daily ? tr("Sent today") : tr("Sent")));
    table_->setToolTip(daily ? tr("Received and sent: today, since midnight")
                             : tr("Received and sent: since the per-application counter started"));
}

void AppsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refresh();
    timer_.start();
}

void AppsWindow::hideEvent(QHideEvent* event) {
    timer_.stop();
    QWidget::hideEvent(event);
}

void AppsWindow::Refresh() {
    if (!fetch_) {
        ShowAnswer({});
        return;
    }
    if (asking_) return;
    asking_ = true;
    try {
        // Detached: a counter that does not answer must not hold up closing the window.
        // The thread keeps its own copy of the fetch and of the link.
        std::thread([fetch = fetch_, link = link_] {
            countd::FetchResult fetched;
            try {
                fetched = fetch();
            } catch (const std::exception&) {
                fetched = {};  // told as "not available"
            }
            const std::lock_guard lock(link->mutex);
            if (!link->window) return;
            AppsWindow* window = link->window;
            QMetaObject::invokeMethod(
                window,
                [window, fetched = std::move(fetched)] {
                    window->asking_ = false;
                    window->ShowAnswer(fetched);
                },
                Qt::QueuedConnection);
        }).detach();
    } catch (const std::system_error&) {
        asking_ = false;  // no thread to be had now; the next tick tries again
    }
}

void AppsWindow::ShowAnswer(const countd::FetchResult& fetched) {
    if (!fetched.reply) {
        notice_->setText(fetched.problem.empty()
                             ? tr("The per-application counter is not available.")
                             : QString::fromStdString(fetched.problem));
        notice_->show();
        refused_->hide();
        table_->setRowCount(0);
        return;
    }
    notice_->hide();
    const std::uint64_t refused = fetched.reply->refused.value_or(0);
    refused_->setVisible(refused > 0);
    if (refused > 0) {
        const int n = static_cast<int>(std::min<std::uint64_t>(refused, INT_MAX));
        refused_->setText(
            tr("%n programs could not be told apart; their bytes are in Other", "", n));
    }
    std::vector<AppRateRow> rows = rates_.Update(
        countd::GroupByApplication(*fetched.reply, names_, std::nullopt), clock_.Monotonic());
    if (today_) {
        const std::map<std::string, countd::ByteCounts> today = today_(*fetched.reply);
        for (AppRateRow& row : rows) {
            const auto it = today.find(countd::ApplicationKey(row.executable, row.name));
            row.bytes = it == today.end() ? countd::ByteCounts{} : it->second;
        }
    }
    ShowRows(rows);
}

void AppsWindow::ShowRows(const std::vector<AppRateRow>& rows) {
    table_->setUpdatesEnabled(false);
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const AppRateRow& row = rows[static_cast<std::size_t>(i)];
        QTableWidgetItem* name = Cell(QString::fromStdString(row.name), false);
        name->setToolTip(QString::fromStdString(row.executable));
        name->setIcon(IconFor(row.icon));
        table_->setItem(i, kName, name);
        table_->setItem(i, kDownload, Cell(RateText(row.downloadKbps), true));
        table_->setItem(i, kUpload, Cell(RateText(row.uploadKbps), true));
        table_->setItem(i, kReceived, Cell(BytesText(row.bytes.received), true));
        table_->setItem(i, kSent, Cell(BytesText(row.bytes.sent), true));
    }
    table_->setUpdatesEnabled(true);
}

}  // namespace bytelora
