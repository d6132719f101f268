#pragma once

#include <cstdint>
#include <string>

#include "monitor/TrafficTotals.h"

namespace bytelora {

// What one tick of the meter measured, with the texts the main window shows for it.
struct ThroughputReading {
    // Seconds between the table reads that this tick and the previous one measured;
    // 0 when no new read arrived in between (then every rate below is 0).
    double seconds = 0.0;
    // Average kilobytes per second over those seconds, never negative.
    double downloadRate = 0.0;
    double uploadRate = 0.0;
    // The same rounded to whole kilobytes per second: what the labels say and the chart
    // draws.
    std::int32_t download = 0;
    std::int32_t upload = 0;
    // Whole kilobytes received and sent in those seconds.
    std::uint64_t receivedKilobytes = 0;
    std::uint64_t sentKilobytes = 0;

    std::string downloadText = "0 Kb/s";  // downloadRateLabel
    std::string uploadText = "0 Kb/s";    // uploadRateLabel
    std::string receivedFigure = "0";     // receivedDifferenceLabel
    std::string sentFigure = "0";         // sentDifferenceLabel
    // The cumulative texts (as receivedKbLabel / sentKbLabel show them) of the totals this tick
    // measured to; kept in previousReceivedLabel / previousSentLabel until the next tick.
    std::string receivedTotalText = "0";
    std::string sentTotalText = "0";
};

// Turns the sampler's exact totals into rates once a second.
//
// Each tick divides the bytes counted since the previous tick by the time that really
// passed between the two table reads, so a timer that fires late, or the first tick
// after the machine slept, gives the true average instead of a spike, and a timer
// that fires early does not double the speed.
class ThroughputMeter {
  public:
    explicit ThroughputMeter(std::string groupMark = ",");

    // One tick over the sampler's current totals. The first tick measures from the
    // first table read.
    const ThroughputReading& Tick(const TrafficTotals& now);

    const ThroughputReading& Last() const { return reading_; }

  private:
    std::string groupMark_;
    bool measuring_ = false;
    TrafficTotals previous_;
    ThroughputReading reading_;
};

}  // namespace bytelora
