#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "common/Clock.h"
#include "monitor/TrafficSampler.h"
#include "usage/UsageDatabase.h"

namespace bytelora {

// What the per-application counter holds at one look: this user's programs' bytes since
// the counter started, by executable, with the name each is known by now.
struct AppCounterRead {
    struct App {
        std::string name;
        CounterPair bytes;
    };
    // When the counter started: a new value means it started again from nothing.
    std::int64_t startedUnix = 0;
    std::map<std::string, App> byExecutable;
    // When the counter was asked, where that is earlier than the write that takes the
    // answer (an answer that came in the background): what moved goes to that hour.
    std::optional<std::chrono::system_clock::time_point> askedAt;
};

// One look at the counter; nothing when there is no counter to ask.
using AppCounter = std::function<std::optional<AppCounterRead>()>;

// What each application moved between two looks at the counter, with its name now. A
// counter that started again in between counted nothing older, so all it holds moved; a
// total below the earlier one (exited programs merged away) moved by an unknown amount,
// and counts nothing rather than a guess.
std::map<std::string, AppCounterRead::App> AppMoves(const AppCounterRead& before,
                                                    const AppCounterRead& now);

// Turns the sampler's per-interface changes into hourly usage. Bytes are held in memory
// and written in one transaction every minute (and when asked, at exit), so a crash
// loses at most the last minute; the counters written with them let the next start add
// what passed while nobody recorded. The counters of the first read are written at once,
// so that this holds from the first second on.
class UsageRecorder {
  public:
    using Messages = std::function<void(const std::string&)>;

    static constexpr std::chrono::seconds kFlushEvery{60};
    // Bytes that cannot be written are kept this long, then dropped with a message.
    static constexpr std::int64_t kPendingHours = 24;

    UsageRecorder(UsageDatabase& database, const Clock& clock, std::string bootId, Messages tell);

    // Takes the changes of one accepted table read. The first read also adds, to the
    // present hour, the traffic since the counters last stored, when they come from
    // this boot (once the database can be read, when it cannot be yet), and is written
    // at once. Writes when a minute has passed since the last write.
    void Record(const std::vector<InterfaceChange>& changes);

    // Writes what is pending now. True when nothing is left pending.
    bool Flush();

    // The counter of the applications' bytes, asked at each write (never on the reads in
    // between): what each application moved since the last look goes into the present
    // hour, in the same transaction as the interfaces' bytes.
    void CountApplications(AppCounter counter) { appCounter_ = std::move(counter); }

    // The aliases of the interfaces by name, stored with the next write when they changed.
    void NameInterfaces(const std::map<std::string, std::string>& aliases);

    // Bytes not written yet, as rows.
    std::vector<UsageRow> Pending() const;
    std::vector<AppUsageRow> PendingApps() const;
    // The counter as last looked at; nothing before the first look.
    const std::optional<AppCounterRead>& LastAppLook() const { return appBaseline_; }
    // Their sum, received and sent.
    std::uint64_t PendingBytes() const;

  private:
    void AddBytes(const std::string& name, UsageHour hour, std::uint64_t received,
                  std::uint64_t sent);
    void AddTrafficBetweenRuns(const std::vector<InterfaceChange>& changes, UsageHour hour,
                               const StoredCounters& stored);
    // Compares the first read with the stored counters once they can be read.
    void SettleStart();
    void DropStalePending(UsageHour now);
    // Asks the counter and adds what each application moved since the last look.
    void CollectApplications(UsageHour hour);
    void Tell(StoreFault fault);

    UsageDatabase& database_;
    const Clock& clock_;
    std::string bootId_;
    Messages tell_;
    bool started_ = false;
    // The first read and its hour, while the stored counters cannot be read.
    std::optional<std::pair<std::vector<InterfaceChange>, UsageHour>> unsettledStart_;
    std::chrono::steady_clock::time_point lastFlush_{};
    // (hour, interface) -> bytes received, sent.
    std::map<std::pair<UsageHour, std::string>, CounterPair> pending_;
    AppCounter appCounter_;
    // The counter's totals at the last look, which the next one is measured from.
    std::optional<AppCounterRead> appBaseline_;
    // (hour, executable) -> the name and the bytes not written yet.
    std::map<std::pair<UsageHour, std::string>, AppCounterRead::App> pendingApps_;
    std::map<std::string, CounterPair> counters_;
    // The counters as last written.
    std::optional<std::map<std::string, CounterPair>> written_;
    std::map<std::string, std::string> aliases_;
    bool aliasesStored_ = true;
    std::set<StoreFault> told_;
    bool toldDropped_ = false;
};

// The message for a write that failed for `fault`, naming the database.
std::string FaultMessage(StoreFault fault, const std::string& location);

// The message for `bytes` that could not be written before the program ends.
std::string LostAtExitMessage(std::uint64_t bytes, const std::string& location);

}  // namespace bytelora
