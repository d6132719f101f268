#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/Clock.h"
#include "monitor/ThroughputMeter.h"
#include "monitor/TrafficSampler.h"
#include "netstats/InterfaceTable.h"

namespace bytelora {

// The live monitor without a window: the sampler and the meter side by side, as the
// main window's two timers use them.
class TrafficWatch {
  public:
    // `probe` (may be null) tells which interfaces count by default.
    explicit TrafficWatch(unsigned counterBits, std::string groupMark = ",",
                          InterfaceProbe* probe = nullptr);
    TrafficWatch(const TrafficWatch&) = delete;
    TrafficWatch& operator=(const TrafficWatch&) = delete;

    // One table read, made at monotonic time `at` (the main window does this every 250 ms).
    void Sample(const InterfaceTable& table, std::chrono::steady_clock::time_point at);
    // One rate measurement over the reads so far (once a second).
    const ThroughputReading& Tick() { return meter_.Tick(sampler_.Totals()); }
    // The last tick's reading (all zero before the first).
    const ThroughputReading& Last() const { return meter_.Last(); }

    // The cumulative texts: kilobytes since the first read, grouped.
    std::string ReceivedText() const;
    std::string SentText() const;

    const TrafficSampler& Sampler() const { return sampler_; }
    // Which interfaces count; a new choice takes effect at the next read.
    InterfaceSelection& Selection() { return selection_; }
    const InterfaceSelection& Selection() const { return selection_; }

  private:
    std::string groupMark_;
    InterfaceSelection selection_;
    TrafficSampler sampler_;
    ThroughputMeter meter_;
};

// One line of a console report, e.g.
// "Download: 120 Kb/s Upload: 3 Kb/s Received: 1,234 KB Sent: 56 KB".
std::string WatchLine(const ThroughputReading& reading);

struct WatchOptions {
    unsigned counterBits = 64;
    std::string groupMark = ",";
    std::chrono::milliseconds samplePeriod{250};
    // A report every this many table reads (4 x 250 ms: once a second).
    int samplesPerReport = 4;
    // Stop after this many reports; 0 goes on until the report callback returns false.
    std::uint64_t reports = 0;
    // Tells which interfaces count by default; none counts every interface.
    InterfaceProbe* probe = nullptr;
    // The interfaces to count, by name; empty for the automatic choice.
    std::vector<std::string> interfaces{};
};

// Reads the table now; may return null or an empty collection when the read failed.
using WatchTableReader = std::function<std::shared_ptr<InterfaceTable>()>;
// Waits for the given time (the console's sleep; a fake clock's advance in tests).
using WatchSleeper = std::function<void(std::chrono::steady_clock::duration)>;
// Receives each report; returning false ends the watch.
using WatchReportSink = std::function<bool(const ThroughputReading&)>;

// Runs the monitor in a loop: a table read at once, then one every `samplePeriod` and a
// report after every `samplesPerReport` reads. Reads are due on a fixed schedule, so
// slow reads do not make it drift; after a stall (or a sleep of the machine) it goes on
// from the present instead of rushing through the missed reads. Returns the number of
// reports made.
std::uint64_t RunWatch(const WatchTableReader& read, const Clock& clock, const WatchSleeper& sleep,
                       const WatchReportSink& report, const WatchOptions& options = {});

}  // namespace bytelora
