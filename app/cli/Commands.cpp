#include "app/cli/Commands.h"

#include <chrono>
#include <functional>
#include <iomanip>
#include <ostream>
#include <thread>

#include "app/StoredNumber.h"
#include "app/cli/Interrupt.h"
#include "common/Clock.h"
#include "common/DateTimeText.h"
#include "history/HistoryLog.h"
#include "history/IntervalTable.h"
#include "history/LoggingScheduler.h"
#include "history/SnapshotWriter.h"
#include "monitor/LocaleGroupMark.h"
#include "monitor/TrafficWatch.h"
#include "netstats/CIpHelper.h"
#include "netstats/LinkSpeed.h"
#include "settings/QSettingsStore.h"
#include "usage/UsageSession.h"

namespace bytelora::cli {

namespace {

using namespace std::chrono_literals;

// Sleeps in short slices so that Ctrl-C ends a wait at once.
void InterruptibleSleep(std::chrono::steady_clock::duration duration) {
    const auto until = std::chrono::steady_clock::now() + duration;
    while (!Interrupted()) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= until) return;
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(until - now, 50ms));
    }
}

std::string SpeedText(std::uint64_t bitsPerSecond) {
    if (bitsPerSecond == 0) return "-";
    if (bitsPerSecond % 1000000000 == 0) return std::to_string(bitsPerSecond / 1000000000) + "G";
    if (bitsPerSecond % 1000000 == 0) return std::to_string(bitsPerSecond / 1000000) + "M";
    return std::to_string(bitsPerSecond);
}

// The interval chosen in the window, read the way the window reads it; an unusable
// stored value falls back to the default choice.
int StoredIntervalPosition(std::ostream& err) {
    QSettingsStore store;
    Settings settings(store);
    const std::string stored = settings.Get(kOftenIndexKey, kOftenIndexDefault);
    try {
        const int position = ToInteger16(stored);
        if (IsIntervalPosition(position)) return position;
    } catch (const std::exception&) {
    }
    err << "The stored interval \"" << stored << "\" is not one of the choices; using \""
        << IntervalAt(kDefaultIntervalPosition).text << "\".\n";
    return kDefaultIntervalPosition;
}

CIpHelper MakeHelper(InterfaceTableSource& source, std::ostream& err) {
    return CIpHelper(source, [&err](const std::string& message) { err << message << '\n'; });
}

// Runs the sampler and the meter as the window does (a table read every 250 ms, rates
// once a second) and hands each second's reading, with the wall-clock text of its
// moment, to `each` until Ctrl-C.
// `onRead`, when given, sees every table read.
void RunRates(InterfaceTableSource& source, std::ostream& err,
              const std::function<void(const ThroughputReading&, const std::string&)>& each,
              const std::function<void(const CInterfaces&, const Clock&)>& onRead = {}) {
    InstallInterruptHandler();
    CIpHelper helper = MakeHelper(source, err);
    SystemClock clock;
    WatchOptions options;
    options.counterBits = helper.CounterBits();
    options.groupMark = LocaleGroupMark();
    RunWatch([&] {
                 auto table = helper.Interfaces();
                 if (table && onRead) onRead(*table, clock);
                 return table;
             },
             clock, InterruptibleSleep,
             [&](const ThroughputReading& reading) {
                 if (Interrupted()) return false;
                 each(reading, LocalDateTimeText(clock.Now()));
                 return !Interrupted();
             },
             options);
}

}  // namespace

std::string InterfaceTypeText(unsigned type) {
    switch (type) {
        case kIfTypeOther:
            return "other";
        case kIfTypeEthernet:
            return "ethernet";
        case kIfTypePpp:
            return "ppp";
        case kIfTypeLoopback:
            return "loopback";
        case kIfTypeWireless:
            return "wireless";
        case kIfTypeTunnel:
            return "tunnel";
        default:
            return "type " + std::to_string(type);
    }
}

std::string OperationalStatusText(unsigned status) {
    static const char* const kNames[] = {"up",      "down",       "testing",       "unknown",
                                         "dormant", "notpresent", "lowerlayerdown"};
    if (status >= 1 && status <= 7) return kNames[status - 1];
    return "status " + std::to_string(status);
}

int ListInterfaces(InterfaceTableSource& source, std::ostream& out, std::ostream& err) {
    CIpHelper helper = MakeHelper(source, err);
    const auto table = helper.Interfaces();
    out << std::left << std::setw(6) << "Index" << std::setw(18) << "Name" << std::setw(10)
        << "Type" << std::setw(16) << "Status" << std::setw(7) << "Speed" << std::right
        << std::setw(20) << "Received" << std::setw(20) << "Sent"
        << "  Counted\n";
    for (const auto& row : *table) {
        out << std::left << std::setw(6) << row->InterfaceIndex() << std::setw(18)
            << row->InterfaceName() << std::setw(10) << InterfaceTypeText(row->InterfaceType())
            << std::setw(16) << OperationalStatusText(row->OperationalStatus()) << std::setw(7)
            << SpeedText(LinkSpeedBitsPerSecond(*row)) << std::right << std::setw(20)
            << row->OctetsReceived() << std::setw(20) << row->OctetsSent() << "  "
            << (CountsTowardTotals(*table, *row) ? "yes" : "no") << '\n';
    }
    out << "Total received: " << helper.BytesReceived() << " bytes\n"
        << "Total sent: " << helper.BytesSent() << " bytes\n";
    return 0;
}

int Watch(InterfaceTableSource& source, std::ostream& out, std::ostream& err) {
    RunRates(source, err, [&out](const ThroughputReading& reading, const std::string& now) {
        out << ComposeSnapshotText(now, reading.downloadText, reading.uploadText) << std::endl;
    });
    return 0;
}

int Log(InterfaceTableSource& source, const std::optional<std::string>& every, std::ostream& out,
        std::ostream& err) {
    const int position = every ? IntervalPosition(*every) : StoredIntervalPosition(err);
    const IntervalEntry& entry = IntervalAt(position);
    const std::string logPath = HistoryLogPath();
    err << "Taking a bandwidth usage snapshot every " << entry.seconds << " s into " << logPath
        << " (Ctrl-C ends).\n";

    // The data usage is recorded too, unless the window (or another log) already does.
    // Its sampler works on the same reads as the meter's.
    SystemClock usageClock;
    UsageSession usage(SystemUsageEnvironment(), usageClock,
                       [&err](const std::string& message) { err << message << '\n'; });
    if (!usage.Recording()) {
        err << "Another Bytelora records the data usage; this one does not.\n";
    }
    TrafficSampler usageSampler(source.CounterBits());
    const auto recordUsage = [&](const CInterfaces& table, const Clock& clock) {
        if (table.Count() == 0) return;
        usageSampler.Sample(table, clock.Monotonic());
        usage.Record(usageSampler.LastChanges());
    };

    LoggingScheduler scheduler;
    scheduler.SetLogInterval(entry.seconds);
    RunRates(source, err, [&](const ThroughputReading& reading, const std::string& now) {
        scheduler.CountTick();
        if (!scheduler.SnapshotDue()) return;
        const std::string line = ComposeSnapshotText(now, reading.downloadText, reading.uploadText);
        try {
            AppendToHistoryLog(logPath, line);
            out << line << std::endl;
        } catch (const std::exception& failure) {
            err << failure.what() << '\n';
        }
        scheduler.Restart();
    }, recordUsage);
    // Ctrl-C or SIGTERM ended the loop: what is pending is written now.
    usage.Flush();
    return 0;
}

}  // namespace bytelora::cli
