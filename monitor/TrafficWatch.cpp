#include "monitor/TrafficWatch.h"

#include <algorithm>

#include "monitor/MonitorText.h"

namespace bytelora {

TrafficWatch::TrafficWatch(unsigned counterBits, std::string groupMark, InterfaceProbe* probe)
    : groupMark_(groupMark),
      selection_(probe),
      sampler_(counterBits),
      meter_(std::move(groupMark)) {
    sampler_.CountWith(&selection_);
}

void TrafficWatch::Sample(const InterfaceTable& table, std::chrono::steady_clock::time_point at) {
    sampler_.Sample(table, at);
}

std::string TrafficWatch::ReceivedText() const {
    return KilobytesText(sampler_.Totals().bytesReceived, groupMark_);
}

std::string TrafficWatch::SentText() const {
    return KilobytesText(sampler_.Totals().bytesSent, groupMark_);
}

std::string WatchLine(const ThroughputReading& reading) {
    return "Download: " + reading.downloadText + " Upload: " + reading.uploadText +
           " Received: " + reading.receivedTotalText + " KB Sent: " + reading.sentTotalText + " KB";
}

std::uint64_t RunWatch(const WatchTableReader& read, const Clock& clock, const WatchSleeper& sleep,
                       const WatchReportSink& report, const WatchOptions& options) {
    TrafficWatch watch(options.counterBits, options.groupMark, options.probe);
    watch.Selection().Choose(options.interfaces);
    const int samplesPerReport = std::max(options.samplesPerReport, 1);
    const auto period = std::max(options.samplePeriod, std::chrono::milliseconds{0});
    const InterfaceTable failedRead;

    const auto sampleNow = [&] {
        const std::shared_ptr<InterfaceTable> table = read();
        watch.Sample(table ? *table : failedRead, clock.Monotonic());
    };

    sampleNow();
    auto due = clock.Monotonic();
    std::uint64_t reports = 0;
    for (int samples = 0;;) {
        due += period;
        const auto now = clock.Monotonic();
        if (due < now) {
            due = now;
        }
        sleep(due - now);
        sampleNow();
        if (++samples < samplesPerReport) {
            continue;
        }
        samples = 0;
        ++reports;
        if (!report(watch.Tick()) || (options.reports != 0 && reports >= options.reports)) {
            return reports;
        }
    }
}

}  // namespace bytelora
