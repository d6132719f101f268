#pragma once

#include <chrono>
#include <compare>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "countd/protocol/CountdProtocol.h"

namespace bytelora::countd {

// A process image as the kernel programs know it: pid and start time, never the pid
// alone, and the number of execs before it (each exec starts a new record).
struct ProcessKey {
    std::uint32_t pid = 0;
    std::uint64_t startNs = 0;  // since boot
    std::uint32_t execId = 0;
    friend auto operator<=>(const ProcessKey&, const ProcessKey&) = default;
};

struct ProcessSample {
    ProcessKey key;
    std::uint32_t uid = 0;
    ByteCounts bytes;
    std::string comm;
    std::string executable;  // empty when the kernel found none
};

// Turns the kernel's reversed names ("curl\0bin\0usr\0") into "/usr/bin/curl". A path
// cut short at its top is marked with a leading ".../".
std::string ExecutablePathFromNames(std::string_view reversedNames, bool truncated);

// What the table needs to know of the running system.
struct ProcessProbe {
    // The start time of the running process `pid` in clock ticks since boot, or empty
    // when no such process runs.
    std::function<std::optional<std::uint64_t>(std::uint32_t pid)> startTicks;
    // The systemd unit or scope of a running process, or empty.
    std::function<std::string(std::uint32_t pid)> unit;
    std::uint64_t nanosecondsPerTick = 10'000'000;
};

// The per-process table: live processes come from the kernel's map at each look; a
// process seen gone is, after a grace time (the last packets of its sockets), folded
// into the bytes of its user and executable and taken out of the map, so that the map
// stays bounded however many processes come and go.
class CounterTable {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::seconds kGraceAfterExit{30};
    // The merged groups are bounded too: a user who runs ever new executables (copies
    // under new names) gets at most this many, and the rest of theirs go together into
    // kOtherExited; past the total, everyone's do.
    static constexpr std::size_t kMaxGroupsPerUser = 1024;
    static constexpr std::size_t kMaxGroups = 16384;
    static constexpr const char* kOtherExited = "[other exited programs]";

    CounterTable(ProcessProbe probe, std::int64_t startedUnix);

    // Notes which sampled processes have gone; returns those to fold now. Call Fold
    // for each after taking its final bytes out of the kernel's map.
    std::vector<ProcessKey> ExitedLongEnough(const std::vector<ProcessSample>& samples,
                                             Clock::time_point now);
    void Fold(const ProcessSample& finalSample);

    // What no process record holds: the bytes of sockets with no tag and of the kernel's
    // own sockets, and per uid the processes refused a record (their share was full).
    struct Unowned {
        ByteCounts untagged;
        ByteCounts kernel;
        std::map<std::uint32_t, std::uint64_t> refused = {};
    };
    // The reply for a client of user `uid`: root sees every process, the bytes of no
    // process and everyone's refused processes, everyone else only their own.
    Reply ReplyFor(std::uint32_t uid, const std::vector<ProcessSample>& samples,
                   const Unowned& unowned) const;

    std::size_t FoldedGroups() const { return folded_.size(); }

  private:
    using Images = std::map<std::pair<std::uint32_t, std::uint64_t>, std::uint32_t>;
    // The latest exec of each process among the samples.
    static Images LatestImages(const std::vector<ProcessSample>& samples);
    // Whether the process runs and still is this image (it has not exec'd since and
    // made a socket as the new executable).
    bool Running(const ProcessKey& key, const Images& latest) const;

    ProcessProbe probe_;
    std::int64_t startedUnix_;
    std::map<ProcessKey, Clock::time_point> goneSince_;
    std::map<std::pair<std::uint32_t, std::string>, ByteCounts> folded_;
    std::map<std::uint32_t, std::size_t> groupsOf_;  // folded_ entries per uid
};

// Replies made in the last moment, per uid: a client asking in a tight loop gets the
// same text again instead of a new walk over the table and /proc each time.
class ReplyCache {
  public:
    static constexpr std::chrono::milliseconds kFresh{250};
    static constexpr std::size_t kMaxUsers = 256;

    std::string Get(std::uint32_t uid, CounterTable::Clock::time_point now,
                    const std::function<std::string()>& make);

  private:
    std::map<std::uint32_t, std::pair<CounterTable::Clock::time_point, std::string>> replies_;
};

}  // namespace bytelora::countd
