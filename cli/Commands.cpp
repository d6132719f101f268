#include "cli/Commands.h"

#include <chrono>
#include <functional>
#include <ostream>
#include <thread>

#include "cli/Interrupt.h"
#include "common/Clock.h"
#include "common/TextColumns.h"
#include "common/Translate.h"
#include "countd/client/CountdClient.h"
#include "history/DateTimeText.h"
#include "history/HistoryLog.h"
#include "history/IntervalTable.h"
#include "history/LoggingScheduler.h"
#include "history/SnapshotWriter.h"
#include "monitor/LocaleGroupMark.h"
#include "monitor/TrafficWatch.h"
#include "netstats/InterfaceSelection.h"
#include "netstats/InterfaceText.h"
#include "netstats/InterfaceTotals.h"
#include "netstats/LinkSpeed.h"
#include "settings/InterfaceChoice.h"
#include "settings/QSettingsStore.h"
#include "settings/StoredNumber.h"
#include "usage/UsageApps.h"
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
    err << FillIn(Translate("bytelora::cli",
                            "The stored interval \"%1\" is not one of the choices; using \"%2\"."),
                  {stored, std::string(IntervalAt(kDefaultIntervalPosition).text)})
        << '\n';
    return kDefaultIntervalPosition;
}

InterfaceTotals MakeHelper(InterfaceTableSource& source, std::ostream& err) {
    return InterfaceTotals(source, [&err](const std::string& message) { err << message << '\n'; });
}

// Runs the sampler and the meter as the window does (a table read every 250 ms, rates
// once a second) and hands each second's reading, with the wall-clock text of its
// moment, to `each` until Ctrl-C.
// `onRead`, when given, sees every table read.
void RunRates(InterfaceTableSource& source, const std::vector<std::string>& interfaces,
              std::ostream& err,
              const std::function<void(const ThroughputReading&, const std::string&)>& each,
              const std::function<void(const InterfaceTable&, const Clock&)>& onRead = {}) {
    InstallInterruptHandler();
    InterfaceTotals helper = MakeHelper(source, err);
    SystemClock clock;
    WatchOptions options;
    options.counterBits = helper.CounterBits();
    options.groupMark = LocaleGroupMark();
    options.probe = source.Probe();
    options.interfaces = interfaces;
    RunWatch(
        [&] {
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

std::vector<std::string> InterfacesToCount(const std::vector<std::string>& given,
                                           std::ostream& err) {
    if (!given.empty()) return given;
    QSettingsStore store;
    Settings settings(store);
    const std::string stored = settings.Get(kInterfacesKey, kInterfacesDefault);
    if (auto names = ParseInterfaceChoice(stored)) return *names;
    err << DamagedInterfaceChoiceMessage(stored) << '\n';
    return {};
}

int ListInterfaces(InterfaceTableSource& source, const std::vector<std::string>& interfaces,
                   std::ostream& out, std::ostream& err) {
    InterfaceTotals helper = MakeHelper(source, err);
    const auto table = helper.Interfaces();
    InterfaceSelection selection(source.Probe());
    selection.Choose(interfaces);
    selection.Update(*table);
    std::uint64_t received = 0;
    std::uint64_t sent = 0;
    std::size_t position = 0;
    // Names users know: the alias where there is one. The column is as wide as the longest.
    // Where an alias has an adapter description, it ends the line, after the counted column.
    // The headings and the words are in the user's language, as wide as they come out.
    std::size_t nameWidth = 18;
    bool describe = false;
    for (const auto& row : *table) {
        nameWidth = std::max(nameWidth, TextColumns(InterfaceLabel(*row)) + 2);
        describe = describe || !DescriptionBesideAlias(*row).empty();
    }
    std::vector<std::string> counted;
    std::size_t countedWidth = 9;
    for (const auto& row : *table) {
        const CountReason reason = selection.Reason(position++);
        if (IsCounted(reason)) {
            received += row->OctetsReceived();
            sent += row->OctetsSent();
        }
        counted.push_back(FillIn(IsCounted(reason) ? Translate("bytelora::cli", "yes (%1)")
                                                   : Translate("bytelora::cli", "no (%1)"),
                                 {InterfaceWordText(CountReasonText(reason))}));
        countedWidth = std::max(countedWidth, TextColumns(counted.back()) + 2);
    }
    out << PadToColumns(Translate("bytelora::cli", "Index"), 6)
        << PadToColumns(Translate("bytelora::cli", "Name"), nameWidth)
        << PadToColumns(Translate("bytelora::cli", "Type"), 10)
        << PadToColumns(Translate("bytelora::cli", "Status"), 16)
        << PadToColumns(Translate("bytelora::cli", "Speed"), 7)
        << PadToColumns(Translate("bytelora::cli", "Received"), 20, true)
        << PadToColumns(Translate("bytelora::cli", "Sent"), 20, true) << "  ";
    if (describe) {
        out << PadToColumns(Translate("bytelora::cli", "Counted"), countedWidth)
            << Translate("bytelora::cli", "Description") << '\n';
    } else {
        out << Translate("bytelora::cli", "Counted") << '\n';
    }
    position = 0;
    for (const auto& row : *table) {
        out << PadToColumns(std::to_string(row->InterfaceIndex()), 6)
            << PadToColumns(InterfaceLabel(*row), nameWidth)
            << PadToColumns(InterfaceWordText(InterfaceTypeText(row->InterfaceType())), 10)
            << PadToColumns(InterfaceWordText(OperationalStatusText(row->OperationalStatus())), 16)
            << PadToColumns(SpeedText(LinkSpeedBitsPerSecond(*row)), 7)
            << PadToColumns(std::to_string(row->OctetsReceived()), 20, true)
            << PadToColumns(std::to_string(row->OctetsSent()), 20, true) << "  ";
        const std::string& countedText = counted[position++];
        const std::string description = DescriptionBesideAlias(*row);
        if (description.empty()) {
            out << countedText << '\n';
        } else {
            out << PadToColumns(countedText, countedWidth) << description << '\n';
        }
    }
    out << FillIn(Translate("bytelora::cli", "Total received: %1 bytes"),
                  {std::to_string(received)})
        << '\n'
        << FillIn(Translate("bytelora::cli", "Total sent: %1 bytes"), {std::to_string(sent)})
        << '\n';
    return 0;
}

int Watch(InterfaceTableSource& source, const std::vector<std::string>& interfaces,
          std::ostream& out, std::ostream& err) {
    RunRates(
        source, interfaces, err, [&out](const ThroughputReading& reading, const std::string& now) {
            out << ComposeSnapshotText(now, reading.downloadText, reading.uploadText) << std::endl;
        });
    return 0;
}

int Log(InterfaceTableSource& source, const std::optional<std::string>& every,
        const std::vector<std::string>& interfaces, const std::string& textfileDir,
        std::ostream& out, std::ostream& err) {
    const int position = every ? IntervalPosition(*every) : StoredIntervalPosition(err);
    const IntervalEntry& entry = IntervalAt(position);
    const std::string logPath = HistoryLogPath();
    err << FillIn(Translate("bytelora::cli",
                            "Taking a bandwidth usage snapshot every %1 s into %2 (Ctrl-C ends)."),
                  {std::to_string(entry.seconds), logPath})
        << '\n';

    // The data usage is recorded too, unless the window (or another log) already does.
    // Its sampler works on the same reads as the meter's.
    SystemClock usageClock;
    UsageSession usage(SystemUsageEnvironment(), usageClock,
                       [&err](const std::string& message) { err << message << '\n'; });
    if (const std::string note = usage.NotRecordingNote(); !note.empty()) err << note << '\n';
    // Each application's bytes too, where the counter runs; it is asked once a minute.
    usage.CountApplications(AppCounterOf(
        [] {
            return countd::FetchCounts(countd::CountdSocketPath(), std::chrono::milliseconds(500));
        },
        &countd::AppNames::ForThisSession));
    // It counts the same interfaces as the meter.
    InterfaceSelection usageSelection(source.Probe());
    usageSelection.Choose(interfaces);
    TrafficSampler usageSampler(source.CounterBits());
    usageSampler.CountWith(&usageSelection);
    std::optional<PrometheusTextfile> textfile;
    if (!textfileDir.empty()) {
        textfile.emplace(textfileDir, usageClock,
                         [&err](const std::string& message) { err << message << '\n'; });
    }
    const auto recordUsage = [&](const InterfaceTable& table, const Clock& clock) {
        if (table.Count() == 0) return;
        usageSampler.Sample(table, clock.Monotonic());
        usage.Record(usageSampler.LastChanges());
        usage.NameInterfaces(table);
        if (textfile) textfile->Update(usage, usageSampler.LastChanges());
    };

    LoggingScheduler scheduler;
    scheduler.SetLogInterval(entry.seconds);
    RunRates(
        source, interfaces, err,
        [&](const ThroughputReading& reading, const std::string& now) {
            scheduler.CountTick();
            if (!scheduler.SnapshotDue()) return;
            const std::string line =
                ComposeSnapshotText(now, reading.downloadText, reading.uploadText);
            try {
                AppendToHistoryLog(logPath, line);
                out << line << std::endl;
            } catch (const std::exception& failure) {
                err << failure.what() << '\n';
            }
            scheduler.Restart();
        },
        recordUsage);
    // Ctrl-C or SIGTERM ended the loop: what is pending is written now.
    if (const std::string lost = usage.FlushAtExit(); !lost.empty()) err << lost << '\n';
    if (textfile) textfile->Write(usage);
    return 0;
}

}  // namespace bytelora::cli
