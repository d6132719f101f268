#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "monitor/TrafficTotals.h"
#include "netstats/InterfaceSelection.h"
#include "netstats/InterfaceTable.h"

namespace bytelora {

// Accumulates the traffic since start-up from successive interface-table reads.
//
// The table's counters are per interface and restart, wrap and come and go with the
// adapters, so their plain sum is useless for differences: summing them and
// subtracting start values gives negative totals when an adapter leaves and jumps of
// gigabytes when one arrives. Instead every counted interface (keyed by index and
// name) adds only its own change since the previous read.
// What one counted interface did in the last accepted read: its change since the read
// before (0 for a newcomer) and the counters it showed.
struct InterfaceChange {
    std::string name;
    std::uint64_t received = 0;
    std::uint64_t sent = 0;
    std::uint64_t counterReceived = 0;
    std::uint64_t counterSent = 0;
};

class TrafficSampler {
  public:
    // `counterBits` is the width of the source's octet counters: 32 (they wrap at 2^32)
    // or anything else for 64.
    explicit TrafficSampler(unsigned counterBits);

    // Takes one table read made at monotonic time `at`. The first call only sets the
    // starting point. An empty table after the first read is taken for a failed read
    // (a working table always has at least its loopback row) and changes nothing, so the
    // next good read counts the whole gap.
    void Sample(const InterfaceTable& table, std::chrono::steady_clock::time_point at);

    // Counts the rows that `selection` picks, asking it afresh at every read; without
    // one, every row but loopback and filter rows. An interface that starts to count
    // starts from its counters of that read, so a change of choice makes no jump.
    void CountWith(InterfaceSelection* selection) { selection_ = selection; }

    const TrafficTotals& Totals() const { return totals_; }
    // How many interfaces the last accepted read counted.
    std::size_t TrackedInterfaces() const { return tracked_.size(); }
    // Each counted interface's change in the last accepted read, by name: the same
    // wrap- and reset-safe amounts that make up the totals.
    const std::vector<InterfaceChange>& LastChanges() const { return changes_; }

    // The most traffic that one interface with 32-bit counters is believed to move per
    // second (10 Gbit/s). A counter that went down by more than this can explain since
    // the previous read was reset, not wrapped.
    static constexpr double kMaxWrapBytesPerSecond = 1.25e9;

  private:
    struct Tracked {
        std::uint32_t index = 0;
        std::string name;
        std::uint64_t received = 0;
        std::uint64_t sent = 0;
    };

    std::uint64_t Change(std::uint64_t before, std::uint64_t now, double seconds) const;
    const Tracked* FindPrevious(std::uint32_t index, const std::string& name);

    bool wraps32_;
    InterfaceSelection* selection_ = nullptr;
    TrafficTotals totals_;
    std::vector<Tracked> tracked_;
    // The read being taken; swapped with tracked_ so that steady sampling reuses storage.
    std::vector<Tracked> next_;
    std::vector<bool> matched_;
    std::vector<InterfaceChange> changes_;
};

}  // namespace bytelora
