#pragma once

#include <cstdint>
#include <string>

#include "common/Translate.h"

namespace bytelora {

// Status texts of the logging frame, in English; the window shows them through
// LoggingText.
inline constexpr char kLogTurnedOffText[] =
    BYTELORA_TEXT_NOOP("bytelora::MainWindow", "Automatic Log is Turned Off.");
inline constexpr char kCountdownPrefix[] =
    BYTELORA_TEXT_NOOP("bytelora::MainWindow", "Next bandwidth usage snapshot will occur in ");
inline constexpr char kSnapshotRunningText[] = BYTELORA_TEXT_NOOP(
    "bytelora::MainWindow", "Logging bandwidth usage is running in background...");
inline constexpr char kSnapshotCompletePrefix[] =
    BYTELORA_TEXT_NOOP("bytelora::MainWindow", "Automatic Logging Bandwidth Usage Complete at ");
inline constexpr char kLogOffText[] =
    BYTELORA_TEXT_NOOP("bytelora::MainWindow", "Automatic Log is Off.");

// Captions of the logging button: each names what a click does.
inline constexpr char kTurnOnCaption[] =
    BYTELORA_TEXT_NOOP("bytelora::MainWindow", "Turn On Automatic Log");
inline constexpr char kTurnOffCaption[] =
    BYTELORA_TEXT_NOOP("bytelora::MainWindow", "Turn Off Automatic Log");
inline constexpr char kLoggingButtonDesignCaption[] =
    BYTELORA_TEXT_NOOP("bytelora::MainWindow", "Turn On Automatic Logging");

inline constexpr char kProgressBarText[] =
    BYTELORA_TEXT_NOOP("bytelora::MainWindow", "Progress Bar");
inline constexpr int kLoggingTimerIntervalMs = 1000;

// The remembered logging state.
inline constexpr char kStartStopStateKey[] = "StartStopState";
inline constexpr char kStateOn[] = "On";
inline constexpr char kStateOff[] = "Off";
inline constexpr char kStartStopStateDefault[] = "On";

// What a stored "StartStopState" asks for. Only the exact words count; any other value
// leaves the button and the timer as designed.
enum class StoredLoggingState { On, Off, Neither };
StoredLoggingState LoggingStateFromSetting(const std::string& stored);

// One of the texts above in the user's language.
std::string LoggingText(const char* english);

// What a click on the logging button does, decided by the button's own caption (as
// shown, in the user's language, or in English).
enum class LoggingSwitch { TurnOn, TurnOff, Nothing };
LoggingSwitch SwitchForCaption(const std::string& caption);

// "Automatic Logging Bandwidth Usage Complete at " + the date and time text (translated).
std::string SnapshotCompleteText(const std::string& dateTimeText);

// Counts the logging timer's ticks towards the next snapshot. The window calls it from
// its tick handler, one numbered statement per call, and shows what it reports.
class LoggingScheduler {
  public:
    explicit LoggingScheduler(std::int32_t secondsElapsed = 0) : secondsElapsed_(secondsElapsed) {}

    std::int32_t LogInterval() const { return logInterval_; }
    std::int32_t SecondsElapsed() const { return secondsElapsed_; }

    // The interval is read from the list's selection on every tick.
    void SetLogInterval(std::int32_t seconds) { logInterval_ = seconds; }

    // One more tick. Throws std::overflow_error (and keeps the count) when the count
    // cannot grow any further.
    void CountTick();

    // A new choice in the interval list: the count towards the next snapshot restarts.
    void IntervalChosen(std::int32_t seconds);

    // After a snapshot, whether or not it was written: the next one is a full interval away.
    void Restart() { secondsElapsed_ = 0; }

    // The progress bar's upper bound, and whether the count may be shown as its position
    // (it never goes above the bound).
    std::int32_t ProgressMaximum() const { return logInterval_; }
    bool CountFitsProgress() const { return secondsElapsed_ <= logInterval_; }

    // Seconds until the next snapshot; 0 once it is due.
    std::int32_t RemainingSeconds() const;

    // "Next bandwidth usage snapshot will occur in hh:mm:ss".
    std::string CountdownText() const;

    // Due when the count has reached the interval. A count beyond it (the selection moved
    // to a shorter interval without a click) is due at once, so logging never stalls.
    // An interval of 0 (no known choice selected) never takes a snapshot.
    bool SnapshotDue() const { return logInterval_ > 0 && secondsElapsed_ >= logInterval_; }

  private:
    std::int32_t logInterval_ = 0;
    std::int32_t secondsElapsed_ = 0;
};

// Keeps a handler from running again inside itself while it lets pending events run.
// The guard that finds the handler already running is false, and the handler returns.
class ReentrancyGuard {
  public:
    explicit ReentrancyGuard(bool& running) : running_(running), entered_(!running) {
        if (entered_) {
            running_ = true;
        }
    }
    ~ReentrancyGuard() {
        if (entered_) {
            running_ = false;
        }
    }
    ReentrancyGuard(const ReentrancyGuard&) = delete;
    ReentrancyGuard& operator=(const ReentrancyGuard&) = delete;

    explicit operator bool() const { return entered_; }

  private:
    bool& running_;
    bool entered_;
};

}  // namespace bytelora
