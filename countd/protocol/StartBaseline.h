#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "countd/protocol/CountdProtocol.h"

namespace bytelora {
class InterfaceTable;
}

// The interface counters at the moment the counter started, which the counter leaves
// beside its socket (<socket>.start), so that a client can tell how much the counted
// interfaces moved since then: the traffic no local program owns is that minus the
// programs' sum.
namespace bytelora::countd {

struct InterfaceStart {
    std::string name;
    std::uint32_t type = 0;
    std::uint64_t received = 0;
    std::uint64_t sent = 0;
    std::uint64_t packets = 0;  // both ways
    friend bool operator==(const InterfaceStart&, const InterfaceStart&) = default;
};

struct StartBaseline {
    std::int64_t startedUnix = 0;
    std::vector<InterfaceStart> interfaces;
    friend bool operator==(const StartBaseline&, const StartBaseline&) = default;
};

std::string BaselinePathFor(const std::string& socketPath);
StartBaseline BaselineOf(std::int64_t startedUnix, const InterfaceTable& table);
std::string WriteBaseline(const StartBaseline& baseline);
std::optional<StartBaseline> ParseBaseline(std::string_view text);

// The IP-level bytes the counted interfaces moved since the baseline: the
// Ethernet header (14 bytes a packet) is left out, as the programs' counts leave it out.
// An interface missing from the baseline, or whose counters went back (it was made
// again), counts from zero. `counted` has a flag for each row of `now`.
ByteCounts MovedSince(const StartBaseline& baseline, const InterfaceTable& now,
                      const std::vector<bool>& counted);

}  // namespace bytelora::countd
