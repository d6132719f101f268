// Automatic logging: the interval choice, the logging switch and the one-second tick.
#include "app/MainWindow.h"
#include "app/MainWindowParts.h"
#include "common/ReportLocations.h"
#include "history/DateTimeText.h"
#include "history/IntervalTable.h"
#include "history/SnapshotWriter.h"

#include <stdexcept>
#include <utility>

namespace bytelora {

bool MainWindow::HoldsCountdown() const {
    // Hidden in the tray nothing shows the frame: its caption and the bar's value wait
    // until the window shows instead of being set, and laid out, every second.
    return samplingWithMeter_ && !isVisible();
}

void MainWindow::ShowCaption(const QString& text) {
    if (HoldsCountdown()) {
        heldCaption_ = text;
        return;
    }
    heldCaption_.reset();
    countdownFrame->SetCaption(text);
}

void MainWindow::ShowProgress(int value) {
    if (HoldsCountdown()) {
        heldProgress_ = value;
        return;
    }
    heldProgress_.reset();
    countdownBar->ShowValue(value);
}

QString MainWindow::Caption() const {
    return heldCaption_ ? *heldCaption_ : countdownFrame->title();
}

void MainWindow::ShowHeldCountdown() {
    if (const std::optional<int> value = std::exchange(heldProgress_, std::nullopt)) {
        countdownBar->ShowValue(*value);
    }
    if (const std::optional<QString> text = std::exchange(heldCaption_, std::nullopt)) {
        countdownFrame->SetCaption(*text);
    }
}

std::string MainWindow::SelectedIntervalText() const {
    if (intervalText_) return *intervalText_;
    const QList<QTreeWidgetItem*> selected = intervalList->selectedItems();
    if (selected.isEmpty()) throw std::runtime_error("No logging interval is selected.");
    intervalText_ = selected.front()->text(0).toStdString();
    return *intervalText_;
}

void MainWindow::OnIntervalListClicked() {
    const QList<QTreeWidgetItem*> selected = intervalList->selectedItems();
    // A click that leaves nothing selected chooses nothing.
    if (selected.isEmpty()) return;
    const int position = intervalList->indexOfTopLevelItem(selected.front()) + 1;
    StoreSetting(kOftenIndexKey, std::to_string(position));
    parts_->scheduler.IntervalChosen(IntervalSeconds(selected.front()->text(0).toStdString()));
}

void MainWindow::OnLoggingButtonClicked() {
    StatementGuard guard(*reporter_, report::kMainWindow, report::kLoggingButton);
    const auto action = [&] { return SwitchForCaption(loggingButton->text().toStdString()); };
    if (guard.Test(100, [&] { return action() == LoggingSwitch::TurnOn; })) {
        guard.Run(102, [&] { loggingButton->setText(QString::fromLatin1(kTurnOffCaption)); });
        guard.Run(104, [&] { SetLoggingTimer(true); });
        guard.Run(106, [&] { parts_->settings.Save(kStartStopStateKey, kStateOn); });
    } else if (guard.Test(108, [&] { return action() == LoggingSwitch::TurnOff; })) {
        guard.Run(110, [&] { loggingButton->setText(QString::fromLatin1(kTurnOnCaption)); });
        guard.Run(112, [&] { SetLoggingTimer(false); });
        guard.Run(114, [&] { parts_->settings.Save(kStartStopStateKey, kStateOff); });
    }
}

void MainWindow::OnLoggingTick() {
    // The tick lets pending events run; a tick that comes due meanwhile is skipped
    // rather than run inside this one.
    const ReentrancyGuard running(inLoggingTick_);
    if (!running) return;

    StatementGuard guard(*reporter_, report::kMainWindow, report::kLoggingTick);
    LoggingScheduler& scheduler = parts_->scheduler;
    if (guard.Test(100, [&] { return !loggingTimer.isActive(); })) {
        guard.Run(102, [&] { ShowCaption(QString::fromLatin1(kLogOffText)); });
        return;
    }
    guard.Run(104, [&] {
        // A list without a choice is told once, not on every tick while it lasts.
        try {
            scheduler.SetLogInterval(IntervalSeconds(SelectedIntervalText()));
            intervalUnreadable_ = false;
        } catch (...) {
            if (std::exchange(intervalUnreadable_, true)) return;
            throw;
        }
    });
    guard.Run(106, [&] { scheduler.CountTick(); });
    guard.Run(108, [&] { countdownBar->setMaximum(scheduler.ProgressMaximum()); });
    if (guard.Test(110, [&] { return scheduler.CountFitsProgress(); })) {
        guard.Run(112, [&] { ShowProgress(scheduler.SecondsElapsed()); });
    }
    guard.Run(114, [&] { ShowCaption(QString::fromStdString(scheduler.CountdownText())); });
    guard.Run(116, [&] { services_.processEvents(); });
    // A close that came while events ran takes no snapshot on the way out.
    if (closing_) return;
    if (!guard.Test(118, [&] { return scheduler.SnapshotDue(); })) return;

    guard.Run(120, [&] { savedFrameCaption_ = Caption(); });
    guard.Run(122, [&] { ShowCaption(QString::fromLatin1(kSnapshotRunningText)); });
    guard.Run(124, [&] { services_.processEvents(); });
    if (closing_) return;
    guard.Run(126, [&] {
        const SnapshotSources sources{[this] { return LocalDateTimeText(services_.clock.Now()); },
                                      [this] { return downloadRateLabel->text().toStdString(); },
                                      [this] { return uploadRateLabel->text().toStdString(); }};
        WriteSnapshot(
            sources,
            [this](const std::string& row) {
                snapshotList->addTopLevelItem(new QTreeWidgetItem({QString::fromStdString(row)}));
                if (snapshotList->topLevelItemCount() > kMaxSnapshotRows) {
                    delete snapshotList->takeTopLevelItem(0);
                }
            },
            historyLogPath_);
    });
    guard.Run(128, [&] {
        ShowCaption(
            QString::fromStdString(SnapshotCompleteText(LocalDateTimeText(services_.clock.Now()))));
    });
    guard.Run(130, [&] { services_.processEvents(); });
    guard.Run(132, [&] { ShowCaption(savedFrameCaption_); });
    guard.Run(134, [&] {
        scheduler.Restart();
        SetPointer(MousePointer::Default);
    });
    guard.Run(136, [&] {
        ShowProgress(0);
        countdownBar->setFormat(QString::fromLatin1(kProgressBarText));
    });
}

}  // namespace bytelora
