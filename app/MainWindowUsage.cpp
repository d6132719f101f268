// Data usage: the recorder fed by the table reads, the "Data usage" window and the
// monthly limit's balloons.
#include <QCoreApplication>
#include <QMetaObject>

#include "app/MainWindow.h"
#include "app/MainWindowParts.h"
#include "common/AppText.h"
#include "usage/UsageApps.h"
#include "usage/UsagePrometheus.h"

namespace bytelora {

namespace {

// Usage faults are told by the usage code itself; what escapes it is told here, so that
// it never reaches Qt's event dispatch.
template <class Action>
void Guarded(MessageBoxes& boxes, Action&& action) {
    try {
        action();
    } catch (const std::exception& failure) {
        try {
            boxes.Show(
                AppTitle(),
                QCoreApplication::translate("bytelora::MainWindow", "Data usage: ").toStdString() +
                    failure.what(),
                BoxIcon::Warning);
        } catch (...) {
        }
    }
}

}  // namespace

// The database is opened at the first table read rather than in the load handler: its
// check and the SQL driver's loading then do not delay the window's first showing.
void MainWindow::StartUsage() {
    if (!services_.usage || parts_->usageStarted) return;
    parts_->usageStarted = true;
    try {
        // A fault is told once the event loop runs: never from inside a table read.
        const auto tell = [this](const std::string& message) {
            QMetaObject::invokeMethod(
                this,
                [this, message] {
                    Guarded(services_.boxes,
                            [&] { services_.boxes.Show(AppTitle(), message, BoxIcon::Warning); });
                },
                Qt::QueuedConnection);
        };
        parts_->usage = std::make_unique<UsageSession>(*services_.usage, services_.clock, tell);
        // The applications' bytes are recorded where the counter runs; it is asked once a
        // minute, with the write, in the background: each write takes the answer to the
        // question the one before asked, so that a slow counter never stalls the window.
        if (services_.appCounts) {
            AppCounter direct =
                AppCounterOf(services_.appCounts, &countd::AppNames::ForThisSession);
            parts_->usage->CountApplications(AskedInBackground(direct, services_.clock), direct);
        }
        const QString folder = QString::fromStdString(parts_->settings.Get(kTextfileFolderKey, ""));
        if (!folder.isEmpty()) {
            parts_->textfile = std::make_unique<PrometheusTextfile>(
                std::filesystem::path(folder.toStdU16String()), services_.clock, tell);
        }
    } catch (const std::exception& failure) {
        services_.boxes.Show(
            AppTitle(), tr("Data usage cannot be recorded:\r\n").toStdString() + failure.what(),
            BoxIcon::Warning);
    }
    parts_->lastLimitCheck = services_.clock.Monotonic();
}

void MainWindow::RecordUsage(const InterfaceTable& table) {
    StartUsage();
    if (!parts_->usage) return;
    Guarded(services_.boxes, [&] {
        const auto& changes = parts_->watch->Sampler().LastChanges();
        parts_->usage->Record(changes);
        parts_->usage->NameInterfaces(table);
        if (parts_->textfile) parts_->textfile->Update(*parts_->usage, changes);
        if (services_.clock.Monotonic() - parts_->lastLimitCheck >= UsageRecorder::kFlushEvery) {
            parts_->lastLimitCheck = services_.clock.Monotonic();
            CheckUsageLimit();
        }
    });
}

void MainWindow::CheckUsageLimit() {
    if (!parts_->usage || !parts_->tray) return;
    const UsageLimit limit = StoredUsageLimit(services_.settings);
    if (limit.bytes == 0 || !limit.alert) return;
    std::uint64_t used = 0;
    const UsageAlert alert = parts_->usage->TakeAlert(limit, &used);
    if (alert == UsageAlert::None) return;
    parts_->tray->ShowBalloon(QString::fromStdString(AlertText(alert, limit, used)),
                              QString::fromLatin1(kProductName), 0, false);
}

void MainWindow::FlushUsage() {
    if (!parts_->usage) return;
    Guarded(services_.boxes, [&] {
        parts_->usage->Flush();
        if (parts_->textfile) parts_->textfile->Write(*parts_->usage);
    });
}

void MainWindow::FlushUsageAtExit() {
    if (!parts_->usage) return;
    Guarded(services_.boxes, [&] {
        // Told now: the event loop that would show a queued message has ended.
        const std::string lost = parts_->usage->FlushAtExit();
        if (parts_->textfile) parts_->textfile->Write(*parts_->usage);
        if (!lost.empty()) services_.boxes.Show(AppTitle(), lost, BoxIcon::Warning);
    });
}

void MainWindow::ShowUsageWindow() {
    StartUsage();
    if (!parts_->usage) return;
    if (!parts_->usageWindow) {
        parts_->usageWindow = std::make_unique<UsageWindow>(*parts_->usage, services_.settings,
                                                            services_.boxes, services_.clock);
        parts_->usageWindow->setWindowIcon(windowIcon());
    }
    parts_->usageWindow->show();
    parts_->usageWindow->raise();
    parts_->usageWindow->activateWindow();
}

UsageWindow* MainWindow::DataUsageWindow() const {
    return parts_->usageWindow.get();
}

UsageSession* MainWindow::DataUsage() const {
    return parts_->usage.get();
}

}  // namespace bytelora
