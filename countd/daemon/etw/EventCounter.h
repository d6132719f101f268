#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "countd/daemon/CounterTable.h"
#include "countd/daemon/etw/EventSource.h"

namespace bytelora::countd {

// A running process as the system tells it, looked up by pid when its first event comes.
struct ProcessIdentity {
    std::uint64_t created = 0;  // creation time, in the table's ticks
    std::uint32_t uid = 0;      // the number of the process's user (see UserNumbers)
    std::string comm;
    std::string executable;
};
using IdentifyProcess = std::function<std::optional<ProcessIdentity>(std::uint32_t pid)>;
// The creation time of the running process `pid`, or empty when none runs.
using ProcessCreated = std::function<std::optional<std::uint64_t>(std::uint32_t pid)>;

// Adds each traffic event's bytes to its process, keyed by pid and creation time, and
// keeps them as the samples the CounterTable folds and answers from. Events come from
// the source's thread, looks from the server's: every member takes the lock.
class EventCounter {
  public:
    EventCounter(IdentifyProcess identify, std::uint64_t nanosecondsPerTick);

    void Count(const RawEvent& event);
    // Forgets the pids whose process is no longer the one that was named, so that the
    // next event of a pid given again names the new process. Run it every second or so:
    // between two runs, a reused pid's events would still go to the old process.
    void Recheck(const ProcessCreated& created);

    std::vector<ProcessSample> Samples() const;
    std::optional<ProcessSample> Take(const ProcessKey& key);
    // Bytes no process could be named for: pid 0, or a process gone before its first
    // event was read.
    CounterTable::Unowned Unowned() const;
    // Traffic events too short for their layout (a provider that changed).
    std::uint64_t Malformed() const;

  private:
    IdentifyProcess identify_;
    std::uint64_t nanosecondsPerTick_;
    mutable std::mutex mutex_;
    std::map<std::uint32_t, ProcessKey> named_;  // pid -> the process it is now
    std::map<ProcessKey, ProcessSample> samples_;
    ByteCounts unowned_;
    std::uint64_t malformed_ = 0;
};

}  // namespace bytelora::countd
