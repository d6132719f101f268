#include "history/LoggingScheduler.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "common/Utilities.h"

namespace bytelora {

StoredLoggingState LoggingStateFromSetting(const std::string& stored) {
    if (stored == kStateOff) {
        return StoredLoggingState::Off;
    }
    if (stored == kStateOn) {
        return StoredLoggingState::On;
    }
    return StoredLoggingState::Neither;
}

std::string LoggingText(const char* english) {
    return Translate("bytelora::MainWindow", english);
}

LoggingSwitch SwitchForCaption(const std::string& caption) {
    if (caption == kTurnOnCaption || caption == LoggingText(kTurnOnCaption)) {
        return LoggingSwitch::TurnOn;
    }
    if (caption == kTurnOffCaption || caption == LoggingText(kTurnOffCaption)) {
        return LoggingSwitch::TurnOff;
    }
    return LoggingSwitch::Nothing;
}

std::string SnapshotCompleteText(const std::string& dateTimeText) {
    return LoggingText(kSnapshotCompletePrefix) + dateTimeText;
}

void LoggingScheduler::CountTick() {
    if (secondsElapsed_ == std::numeric_limits<std::int32_t>::max()) {
        throw std::overflow_error("Overflow");
    }
    ++secondsElapsed_;
}

void LoggingScheduler::IntervalChosen(std::int32_t seconds) {
    logInterval_ = seconds;
    secondsElapsed_ = 0;
}

std::int32_t LoggingScheduler::RemainingSeconds() const {
    // Wide arithmetic: a negative interval or count must not overflow the difference.
    const std::int64_t remaining =
        static_cast<std::int64_t>(logInterval_) - static_cast<std::int64_t>(secondsElapsed_);
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(remaining, 0, std::numeric_limits<std::int32_t>::max()));
}

std::string LoggingScheduler::CountdownText() const {
    return LoggingText(kCountdownPrefix) + SecondsToClock(RemainingSeconds());
}

}  // namespace bytelora
