// Automatic logging: the logging switch, the countdown and the one-second tick.
#include "app/LoggingControls.h"

#include <utility>

#include "common/Clock.h"
#include "common/ErrorReport.h"
#include "common/ReportLocations.h"
#include "history/DateTimeText.h"
#include "history/IntervalTable.h"
#include "history/LoggingScheduler.h"
#include "history/SnapshotWriter.h"
#include "settings/SettingsStore.h"

namespace bytelora {

LoggingControls::LoggingControls(Controls controls, Context context)
    : controls_(controls),
      context_(std::move(context)),
      intervals_(*controls.intervalList, context_.settings, context_.boxes, context_.scheduler,
                 context_.life) {}

void LoggingControls::SetLoggingTimer(bool running) {
    QTimer& timer = *controls_.loggingTimer;
    if (!running) {
        timer.stop();
        alignLoggingTimer_ = false;
    } else if (!timer.isActive()) {
        timer.start(kLoggingTimerIntervalMs);
        alignLoggingTimer_ = controls_.samplerTimer->isActive() || context_.samplingWithMeter();
    }
}

void LoggingControls::AlignLoggingTimer() {
    // Started from a tick of the sampler, the logging timer comes due together with the
    // sampler's ticks from then on: one wake-up a second instead of two. Its first tick
    // comes at most a quarter of a second later for it.
    if (!alignLoggingTimer_) return;
    alignLoggingTimer_ = false;
    if (controls_.loggingTimer->isActive()) controls_.loggingTimer->start(kLoggingTimerIntervalMs);
}

void LoggingControls::RestartWithTimers() {
    // Started together, the timers come due in the same wake-ups.
    if (controls_.loggingTimer->isActive()) controls_.loggingTimer->start(kLoggingTimerIntervalMs);
    alignLoggingTimer_ = false;
}

bool LoggingControls::HoldsCountdown() const {
    // Hidden in the tray nothing shows the frame: its caption and the bar's value wait
    // until the window shows instead of being set, and laid out, every second.
    return context_.samplingWithMeter() && !controls_.window->isVisible();
}

void LoggingControls::ShowCaption(const QString& text) {
    if (HoldsCountdown()) {
        heldCaption_ = text;
        return;
    }
    heldCaption_.reset();
    controls_.countdownFrame->SetCaption(text);
}

void LoggingControls::ShowProgress(int value) {
    if (HoldsCountdown()) {
        heldProgress_ = value;
        return;
    }
    heldProgress_.reset();
    controls_.countdownBar->ShowValue(value);
}

QString LoggingControls::Caption() const {
    return heldCaption_ ? *heldCaption_ : controls_.countdownFrame->title();
}

void LoggingControls::ShowHeldCountdown() {
    if (const std::optional<int> value = std::exchange(heldProgress_, std::nullopt)) {
        controls_.countdownBar->ShowValue(*value);
    }
    if (const std::optional<QString> text = std::exchange(heldCaption_, std::nullopt)) {
        controls_.countdownFrame->SetCaption(*text);
    }
}

void LoggingControls::OnLoggingButtonClicked() {
    StatementGuard guard(context_.reporter, report::kMainWindow, report::kLoggingButton);
    QPushButton& button = *controls_.loggingButton;
    const auto action = [&] { return SwitchForCaption(button.text().toStdString()); };
    if (guard.Test(100, [&] { return action() == LoggingSwitch::TurnOn; })) {
        guard.Run(102,
                  [&] { button.setText(QString::fromStdString(LoggingText(kTurnOffCaption))); });
        guard.Run(104, [&] { SetLoggingTimer(true); });
        guard.Run(106, [&] { context_.settings.Save(kStartStopStateKey, kStateOn); });
    } else if (guard.Test(108, [&] { return action() == LoggingSwitch::TurnOff; })) {
        guard.Run(110,
                  [&] { button.setText(QString::fromStdString(LoggingText(kTurnOnCaption))); });
        guard.Run(112, [&] { SetLoggingTimer(false); });
        guard.Run(114, [&] { context_.settings.Save(kStartStopStateKey, kStateOff); });
    }
}

void LoggingControls::WriteSnapshotRow() {
    QTreeWidget& snapshots = *controls_.snapshotList;
    const SnapshotSources sources{
        [this] { return LocalDateTimeText(context_.clock.Now()); },
        [this] { return controls_.downloadRateLabel->text().toStdString(); },
        [this] { return controls_.uploadRateLabel->text().toStdString(); }};
    WriteSnapshot(
        sources,
        [&snapshots](const std::string& row) {
            snapshots.addTopLevelItem(new QTreeWidgetItem({QString::fromStdString(row)}));
            if (snapshots.topLevelItemCount() > kMaxSnapshotRows) {
                delete snapshots.takeTopLevelItem(0);
            }
        },
        context_.historyLogPath);
}

void LoggingControls::OnLoggingTick() {
    // The tick lets pending events run; a tick that comes due meanwhile is skipped
    // rather than run inside this one.
    const ReentrancyGuard running(inLoggingTick_);
    if (!running) return;

    StatementGuard guard(context_.reporter, report::kMainWindow, report::kLoggingTick);
    LoggingScheduler& scheduler = context_.scheduler;
    const WindowLife& life = context_.life;
    if (guard.Test(100, [&] { return !controls_.loggingTimer->isActive(); })) {
        guard.Run(102, [&] { ShowCaption(QString::fromStdString(LoggingText(kLogOffText))); });
        return;
    }
    guard.Run(104, [&] {
        // A list without a choice is told once, not on every tick while it lasts.
        try {
            scheduler.SetLogInterval(IntervalSeconds(intervals_.SelectedText()));
            intervalUnreadable_ = false;
        } catch (...) {
            if (std::exchange(intervalUnreadable_, true)) return;
            throw;
        }
    });
    guard.Run(106, [&] { scheduler.CountTick(); });
    guard.Run(108, [&] { controls_.countdownBar->setMaximum(scheduler.ProgressMaximum()); });
    if (guard.Test(110, [&] { return scheduler.CountFitsProgress(); })) {
        guard.Run(112, [&] { ShowProgress(scheduler.SecondsElapsed()); });
    }
    guard.Run(114, [&] { ShowCaption(QString::fromStdString(scheduler.CountdownText())); });
    guard.Run(116, [&] { context_.processEvents(); });
    // A close that came while events ran takes no snapshot on the way out.
    if (life.closing) return;
    if (!guard.Test(118, [&] { return scheduler.SnapshotDue(); })) return;

    guard.Run(120, [&] { savedFrameCaption_ = Caption(); });
    guard.Run(122, [&] { ShowCaption(QString::fromStdString(LoggingText(kSnapshotRunningText))); });
    guard.Run(124, [&] { context_.processEvents(); });
    if (life.closing) return;
    guard.Run(126, [&] { WriteSnapshotRow(); });
    guard.Run(128, [&] {
        ShowCaption(
            QString::fromStdString(SnapshotCompleteText(LocalDateTimeText(context_.clock.Now()))));
    });
    guard.Run(130, [&] { context_.processEvents(); });
    guard.Run(132, [&] { ShowCaption(savedFrameCaption_); });
    guard.Run(134, [&] {
        scheduler.Restart();
        context_.restorePointer();
    });
    guard.Run(136, [&] {
        ShowProgress(0);
        controls_.countdownBar->setFormat(QString::fromStdString(LoggingText(kProgressBarText)));
    });
}

}  // namespace bytelora
