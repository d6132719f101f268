#include "views/UsageWindow.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSaveFile>
#include <QVBoxLayout>

#include <cmath>

#include "settings/SaveOrTell.h"
#include "usage/UsageText.h"
#include "views/ShownAmounts.h"

namespace bytelora {

namespace {

constexpr int kAllInterfaces = 0;
constexpr double kMegabytesPerGigabyte = 1024.0;

UsageViewKind KindOfTab(int tab) {
    switch (tab) {
        case 0:
            return UsageViewKind::Hours;
        case 2:
            return UsageViewKind::Months;
        default:
            return UsageViewKind::Days;
    }
}

QString Amount(std::uint64_t bytes) {
    return ShownByteAmount(bytes);
}

}  // namespace

UsageWindow::UsageWindow(UsageSession& usage, SettingsStore& store, MessageBoxes& boxes,
                         const Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::Window),
      usage_(usage),
      store_(store),
      settings_(store),
      boxes_(boxes),
      clock_(clock) {
    setObjectName(QStringLiteral("UsageWindow"));
    setWindowTitle(tr("Data usage - Bytelora"));
    askSavePath = [this] {
        return QFileDialog::getSaveFileName(
            this, tr("Export CSV"), QStringLiteral("bytelora-usage.csv"), tr("CSV files (*.csv)"));
    };
    BuildControls();
    LoadLimit();
    refreshTimer_.setInterval(60 * 1000);
    connect(&refreshTimer_, &QTimer::timeout, this, [this] { Refresh(); });
}

void UsageWindow::BuildControls() {
    Views = new QTabBar(this);
    Views->addTab(tr("Today"));
    Views->addTab(tr("This month"));
    Views->addTab(tr("Months"));
    Views->setCurrentIndex(1);
    InterfaceFilter = new QComboBox(this);
    InterfaceFilter->addItem(tr("All counted interfaces"));
    ByApplication = new QCheckBox(tr("By application"), this);
    ByApplication->setToolTip(
        tr("Each application's bytes today or this month, where the per-application "
           "counter ran while they were recorded"));
    ExportButton = new QPushButton(tr("Export CSV…"), this);
    Chart = new UsageChart(this);
    Table = new QTableWidget(0, 4, this);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->verticalHeader()->setVisible(false);
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Projection = new QLabel(this);
    Projection->setObjectName(QStringLiteral("Projection"));

    LimitGb = new QDoubleSpinBox(this);
    LimitGb->setRange(0, 1024.0 * 1024.0);
    LimitGb->setDecimals(1);
    LimitGb->setSuffix(QStringLiteral(" GB"));
    LimitGb->setSpecialValueText(tr("No limit"));
    MonthStart = new QSpinBox(this);
    MonthStart->setRange(kMinMonthStartDay, kMaxMonthStartDay);
    AlertCheck = new QCheckBox(tr("Alert at 90 % and at 100 %"), this);

    auto* top = new QHBoxLayout;
    top->addWidget(Views, 1);
    top->addWidget(new QLabel(tr("Interface:"), this));
    top->addWidget(InterfaceFilter);
    top->addWidget(ByApplication);
    top->addWidget(ExportButton);
    auto* limitBox = new QGroupBox(tr("Monthly limit"), this);
    auto* form = new QFormLayout(limitBox);
    form->addRow(tr("Data limit:"), LimitGb);
    form->addRow(tr("Month starts on day:"), MonthStart);
    form->addRow(AlertCheck);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Chart, 2);
    layout->addWidget(Projection);
    layout->addWidget(Table, 2);
    layout->addWidget(limitBox);
    resize(720, 620);

    connect(Views, &QTabBar::currentChanged, this, [this] { Refresh(); });
    connect(InterfaceFilter, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
    connect(ByApplication, &QCheckBox::toggled, this, [this] { Refresh(); });
    connect(ExportButton, &QPushButton::clicked, this, [this] {
        const QString path = askSavePath ? askSavePath() : QString();
        if (!path.isEmpty()) ExportCsv(path);
    });
    // Each control stores its own setting only.
    connect(LimitGb, &QDoubleSpinBox::valueChanged, this, [this] {
        const auto megabytes =
            static_cast<std::uint64_t>(std::llround(LimitGb->value() * kMegabytesPerGigabyte));
        SaveLimit(kUsageLimitKey, std::to_string(megabytes));
    });
    connect(MonthStart, &QSpinBox::valueChanged, this,
            [this] { SaveLimit(kUsageMonthStartKey, std::to_string(MonthStart->value())); });
    connect(AlertCheck, &QCheckBox::toggled, this,
            [this] { SaveLimit(kUsageAlertKey, AlertCheck->isChecked() ? "On" : "Off"); });
}

void UsageWindow::LoadLimit() {
    const UsageLimit limit = StoredUsageLimit(store_);
    loadingLimit_ = true;
    LimitGb->setValue(static_cast<double>(limit.bytes >> 20) / kMegabytesPerGigabyte);
    MonthStart->setValue(limit.monthStartDay);
    AlertCheck->setChecked(limit.alert);
    loadingLimit_ = false;
}

void UsageWindow::Store(const char* key, const std::string& value) {
    SaveOrTell(settings_, boxes_, "Bytelora", key, value);
}

void UsageWindow::SaveLimit(const char* key, const std::string& value) {
    if (loadingLimit_) return;
    Store(key, value);
    Refresh();
}

void UsageWindow::FillInterfaces() {
    const QVariant chosen = InterfaceFilter->currentIndex() == kAllInterfaces
                                ? QVariant()
                                : InterfaceFilter->currentData();
    const QSignalBlocker quiet(InterfaceFilter);
    while (InterfaceFilter->count() > 1) InterfaceFilter->removeItem(1);
    // Listed by the names users know; chosen by the stored name, which an alias renamed
    // meanwhile does not change.
    const std::map<std::string, std::string> aliases = usage_.Aliases();
    for (const std::string& name : usage_.InterfaceNames()) {
        const auto alias = aliases.find(name);
        InterfaceFilter->addItem(
            QString::fromStdString(alias == aliases.end() ? name : alias->second),
            QString::fromStdString(name));
    }
    const int found = chosen.isValid() ? InterfaceFilter->findData(chosen) : kAllInterfaces;
    InterfaceFilter->setCurrentIndex(found < 0 ? kAllInterfaces : found);
}

bool UsageWindow::ShowsApplications() const {
    return ByApplication->isChecked() && KindOfTab(Views->currentIndex()) != UsageViewKind::Months;
}

void UsageWindow::Refresh() {
    FillInterfaces();
    // Applications are kept per application, not per interface; there are no months of them
    // to show side by side.
    const bool apps = ShowsApplications();
    ByApplication->setEnabled(KindOfTab(Views->currentIndex()) != UsageViewKind::Months);
    InterfaceFilter->setEnabled(!apps);
    ViewRequest request;
    request.kind = KindOfTab(Views->currentIndex());
    request.now = clock_.Now();
    request.monthStartDay = MonthStart->value();
    if (InterfaceFilter->currentIndex() != kAllInterfaces) {
        request.interfaceName = InterfaceFilter->currentData().toString().toStdString();
    }
    view_ = usage_.View(request);
    Chart->SetBuckets(view_.total);
    apps_.clear();
    if (apps) {
        request.interfaceName.clear();
        apps_ = usage_.AppTotals(RangeOfView(request, usage_.Environment().zone));
        FillAppTable();
    } else {
        FillTable();
    }
    ShowProjection();
}

void UsageWindow::FillTable() {
    const QString first = view_.kind == UsageViewKind::Hours    ? tr("Hour")
                          : view_.kind == UsageViewKind::Months ? tr("Month")
                                                                : tr("Date");
    Table->setHorizontalHeaderLabels({first, tr("Received"), tr("Sent"), tr("Total")});
    Table->setRowCount(static_cast<int>(view_.total.size()));
    int row = 0;
    for (const UsageBucket& bucket : view_.total) {
        const QString label = ShownUsageLabel(bucket.label);
        const QString cells[] = {label, Amount(bucket.received), Amount(bucket.sent),
                                 Amount(bucket.received + bucket.sent)};
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Table->setItem(row, column, item);
        }
        ++row;
    }
}

void UsageWindow::FillAppTable() {
    Table->setHorizontalHeaderLabels({tr("Application"), tr("Received"), tr("Sent"), tr("Total")});
    Table->setRowCount(static_cast<int>(apps_.size()));
    int row = 0;
    for (const AppTotal& app : apps_) {
        const QString cells[] = {QString::fromStdString(app.name), Amount(app.received),
                                 Amount(app.sent), Amount(app.received + app.sent)};
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column == 0) item->setToolTip(QString::fromStdString(app.executable));
            if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            Table->setItem(row, column, item);
        }
        ++row;
    }
}

void UsageWindow::ShowProjection() {
    Projection->setVisible(view_.kind == UsageViewKind::Days);
    if (view_.kind != UsageViewKind::Days) return;
    std::uint64_t used = 0;
    for (const UsageBucket& day : view_.total) used += day.received + day.sent;
    const UsageLimit limit = StoredUsageLimit(store_);
    QString text = tr("This month: %1").arg(Amount(used));
    if (limit.bytes > 0) {
        const double share = 100.0 * static_cast<double>(used) / static_cast<double>(limit.bytes);
        text += tr(" of %1 (%2 %)").arg(Amount(limit.bytes)).arg(std::lround(share));
    }
    const LocalZone& zone = usage_.Environment().zone;
    const auto today = zone(HourOf(clock_.Now()) * 3600).date;
    const AccountingPeriod period = PeriodContaining(today, MonthStart->value());
    const auto start = StartOf(FirstHourOf(period.first, zone));
    const auto end = StartOf(FirstHourOf(period.end, zone));
    using std::chrono::duration_cast;
    using std::chrono::seconds;
    if (const auto projected = ProjectedUse(used, duration_cast<seconds>(clock_.Now() - start),
                                            duration_cast<seconds>(end - start))) {
        const auto lastDay =
            std::chrono::year_month_day{std::chrono::sys_days(period.end) - std::chrono::days{1}};
        text += QStringLiteral("; ") + QString::fromStdString(ProjectionText(*projected, lastDay));
    }
    Projection->setText(text);
}

bool UsageWindow::ExportCsv(const QString& path) {
    QSaveFile file(path);
    const std::string text = ShowsApplications() ? AppUsageCsv(apps_) : UsageCsv(view_);
    if (file.open(QIODevice::WriteOnly) &&
        file.write(text.data(), static_cast<qint64>(text.size())) ==
            static_cast<qint64>(text.size()) &&
        file.commit()) {
        return true;
    }
    boxes_.Show("Bytelora",
                tr("The data usage could not be exported to %1:\r\n%2")
                    .arg(path, file.errorString())
                    .toStdString(),
                BoxIcon::Warning);
    return false;
}

void UsageWindow::showEvent(QShowEvent* event) {
    Refresh();
    refreshTimer_.start();
    QWidget::showEvent(event);
}

void UsageWindow::hideEvent(QHideEvent* event) {
    refreshTimer_.stop();
    QWidget::hideEvent(event);
}

}  // namespace bytelora
