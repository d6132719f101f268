#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/Clock.h"
#include "monitor/TrafficSampler.h"
#include "usage/UsageApps.h"
#include "usage/UsageCalendar.h"
#include "usage/UsageLimit.h"
#include "usage/UsageLock.h"
#include "usage/UsageRecorder.h"
#include "usage/UsageStore.h"

namespace bytelora {

// Where and how data usage is kept: the program passes the user's database, this boot
// and the local zone; tests pass a temporary folder, a boot of their own and a fixed zone.
struct UsageEnvironment {
    std::filesystem::path database;
    std::string bootId;
    LocalZone zone;
    int busyTimeoutMs = 5000;
};

// The user's database, at its default place.
std::filesystem::path DefaultUsageDatabase();
UsageEnvironment SystemUsageEnvironment();

// Data usage for one program: records when it holds the user's recording lock (trying
// again every minute when another program holds it) and reads in any case.
class UsageSession {
  public:
    using Messages = std::function<void(const std::string&)>;

    UsageSession(UsageEnvironment environment, const Clock& clock, Messages tell);
    ~UsageSession();

    // After each accepted table read.
    void Record(const std::vector<InterfaceChange>& changes);
    // The counter of the applications' bytes, for whichever recorder this session runs
    // (now or once it takes over). `atExit`, when given, is asked instead by the last
    // write before the program ends: a counter asked in the background answers a minute
    // late, and the bytes of that last minute would otherwise be lost.
    void CountApplications(AppCounter counter, AppCounter atExit = nullptr);
    // The interfaces' aliases (for those that have one), from a table read.
    void NameInterfaces(const InterfaceTable& table);
    // Writes what is pending (at exit and at the end of the session).
    void Flush();
    // The last write before the program ends: the message that says how much could not
    // be written and is lost, or nothing when all of it is stored.
    std::string FlushAtExit();

    bool Recording() const { return recorder_ != nullptr; }
    // Why this program does not record, for a program that says so; nothing when it
    // records or when the reason was told already (a database from a newer Bytelora).
    std::string NotRecordingNote() const;
    const UsageEnvironment& Environment() const { return environment_; }

    // The rows of the hours in `range`: what is stored and what waits to be.
    std::vector<UsageRow> Rows(HourRange range);
    std::vector<std::string> InterfaceNames();
    // The applications' rows of the hours in `range`: what is stored and what waits to be.
    std::vector<AppUsageRow> AppRows(HourRange range);
    // Each application's bytes over the hours in `range`, stored and waiting, busiest first.
    std::vector<AppTotal> AppTotals(HourRange range);
    // Each application's bytes today (the local day), by the key it is stored under: what
    // is stored, what waits to be, and what `live` (the counter now) holds beyond the
    // recorder's last look. Without a recorder in this program, what is stored.
    std::map<std::string, CounterPair> AppBytesToday(const std::optional<AppCounterRead>& live);
    // Stored name -> alias, for the stored interfaces that have one.
    std::map<std::string, std::string> Aliases();
    UsageView View(const ViewRequest& request);
    // Each interface's bytes over all time: what is stored and what waits to be.
    std::map<std::string, CounterPair> Totals();

    // The limit balloon due now, if any; a balloon returned is remembered as shown for
    // this accounting month, in the database, so that a restart does not repeat it.
    UsageAlert TakeAlert(const UsageLimit& limit, std::uint64_t* used = nullptr);

  private:
    void TryToRecord();
    void OpenForReading();

    UsageEnvironment environment_;
    const Clock& clock_;
    Messages tell_;
    std::unique_ptr<UsageLock> lock_;
    std::unique_ptr<UsageStore> store_;
    std::unique_ptr<UsageRecorder> recorder_;
    AppCounter appCounter_;
    AppCounter appCounterAtExit_;
    std::chrono::steady_clock::time_point lastTry_{};
};

// Keeps node_exporter's textfile of the recording session up to date: written at the
// first call, then once a minute, and at the end. A session that does not record writes
// nothing, so that the counters come from one writer and never go backwards.
class PrometheusTextfile {
  public:
    using Messages = std::function<void(const std::string&)>;

    PrometheusTextfile(std::filesystem::path folder, const Clock& clock, Messages tell);

    // After each table read, with its changes: the interfaces counted now are in the
    // file from the start, at 0 until they move something.
    void Update(UsageSession& session, const std::vector<InterfaceChange>& changes);
    // Writes now, if the session records.
    void Write(UsageSession& session);

  private:
    std::filesystem::path folder_;
    const Clock& clock_;
    Messages tell_;
    std::optional<std::chrono::steady_clock::time_point> lastWrite_;
    std::string lastProblem_;
    std::vector<std::string> counted_;
};

}  // namespace bytelora
