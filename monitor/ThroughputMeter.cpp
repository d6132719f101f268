#include "monitor/ThroughputMeter.h"

#include <chrono>
#include <cmath>
#include <limits>

#include "monitor/MonitorText.h"

namespace bytelora {

namespace {

std::uint64_t Difference(std::uint64_t before, std::uint64_t now) {
    return now > before ? now - before : 0;
}

// Round to nearest; the chart and the labels take 32-bit figures, far above any link.
std::int32_t WholeRate(double kilobytesPerSecond) {
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    if (!(kilobytesPerSecond > 0.0)) {
        return 0;
    }
    return kilobytesPerSecond >= kMax ? std::numeric_limits<std::int32_t>::max()
                                      : static_cast<std::int32_t>(std::lround(kilobytesPerSecond));
}

}  // namespace

ThroughputMeter::ThroughputMeter(std::string groupMark) : groupMark_(std::move(groupMark)) {}

const ThroughputReading& ThroughputMeter::Tick(const TrafficTotals& now) {
    reading_ = ThroughputReading{};
    if (!now.started) {
        return reading_;
    }
    if (!measuring_) {
        measuring_ = true;
        previous_ = now;
        previous_.bytesReceived = 0;
        previous_.bytesSent = 0;
        previous_.sampledAt = now.startedAt;
    }
    reading_.receivedTotalText = KilobytesText(now.bytesReceived, groupMark_);
    reading_.sentTotalText = KilobytesText(now.bytesSent, groupMark_);

    const double seconds =
        std::chrono::duration<double>(now.sampledAt - previous_.sampledAt).count();
    if (!(seconds > 0.0)) {
        // No table read since the last tick: nothing can be measured yet. Keeping the
        // previous point lets the next tick average over the whole gap.
        return reading_;
    }
    const std::uint64_t received = Difference(previous_.bytesReceived, now.bytesReceived);
    const std::uint64_t sent = Difference(previous_.bytesSent, now.bytesSent);
    previous_ = now;

    reading_.seconds = seconds;
    reading_.downloadRate = static_cast<double>(received) / kBytesPerKilobyte / seconds;
    reading_.uploadRate = static_cast<double>(sent) / kBytesPerKilobyte / seconds;
    reading_.download = WholeRate(reading_.downloadRate);
    reading_.upload = WholeRate(reading_.uploadRate);
    reading_.receivedKilobytes = WholeKilobytes(received);
    reading_.sentKilobytes = WholeKilobytes(sent);
    reading_.downloadText = RateText(static_cast<std::uint64_t>(reading_.download));
    reading_.uploadText = RateText(static_cast<std::uint64_t>(reading_.upload));
    reading_.receivedFigure = std::to_string(reading_.receivedKilobytes);
    reading_.sentFigure = std::to_string(reading_.sentKilobytes);
    return reading_;
}

}  // namespace bytelora
