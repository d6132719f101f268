#pragma once

#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <QTreeWidget>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>

#include "app/IntervalChoice.h"
#include "app/WindowLife.h"
#include "widgets/CountdownBar.h"
#include "widgets/CountdownFrame.h"

namespace bytelora {

class Clock;
class ErrorReporter;
class LoggingScheduler;
class MessageBoxes;
class Settings;

// Automatic logging: the switch, the interval choice, the countdown above the lists and
// the one-second tick that writes a snapshot when its interval is up.
class LoggingControls : public QObject {
  public:
    // The snapshot list shows the newest rows of the run, at most this many: at one
    // snapshot a second an unbounded list would take gigabytes within months, and the
    // history log keeps every line anyway.
    static constexpr int kMaxSnapshotRows = 10000;

    struct Controls {
        QWidget* window = nullptr;
        QPushButton* loggingButton = nullptr;
        QTreeWidget* intervalList = nullptr;
        QTreeWidget* snapshotList = nullptr;
        CountdownFrame* countdownFrame = nullptr;
        CountdownBar* countdownBar = nullptr;
        // The rates the snapshot writes down.
        QLabel* downloadRateLabel = nullptr;
        QLabel* uploadRateLabel = nullptr;
        QTimer* loggingTimer = nullptr;
        QTimer* samplerTimer = nullptr;
    };
    struct Context {
        Settings& settings;
        MessageBoxes& boxes;
        Clock& clock;
        ErrorReporter& reporter;
        LoggingScheduler& scheduler;
        const WindowLife& life;
        // Filled by start-up; the snapshots are appended there.
        const std::string& historyLogPath;
        // Lets pending user-interface events run once.
        std::function<void()> processEvents;
        // Whether the table is read with the meter, as it is while nothing is on screen.
        std::function<bool()> samplingWithMeter;
        // Puts the default pointer back once a snapshot is written.
        std::function<void()> restorePointer;
    };

    LoggingControls(Controls controls, Context context);

    IntervalChoice& Intervals() { return intervals_; }

    void OnLoggingButtonClicked();
    void OnLoggingTick();

    // Turns logging on or off; a timer started now falls in step with the sampler's.
    void SetLoggingTimer(bool running);
    // Restarts a newly started logging timer in step with the sampler's timer.
    void AlignLoggingTimer();
    // Start-up has just started the other timers: the logging timer starts over with them.
    void RestartWithTimers();

    // Shows the countdown held back while the window was hidden in the tray.
    void ShowHeldCountdown();

  private:
    // The countdown's caption and bar value, held back while hidden in the tray.
    bool HoldsCountdown() const;
    void ShowCaption(const QString& text);
    void ShowProgress(int value);
    QString Caption() const;
    void WriteSnapshotRow();

    Controls controls_;
    Context context_;
    IntervalChoice intervals_;

    bool inLoggingTick_ = false;
    bool intervalUnreadable_ = false;
    bool alignLoggingTimer_ = false;
    QString savedFrameCaption_;
    std::optional<QString> heldCaption_;
    std::optional<int> heldProgress_;
};

}  // namespace bytelora
