#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "netstats/InterfaceTable.h"
#include "netstats/InterfaceTableSource.h"

namespace bytelora {

inline constexpr char kNotSupportedMessage[] = "IP Helper is not supported by this system.";

// Reads the interface table into a fresh collection and totals the traffic.
class InterfaceTotals {
  public:
    // Called with kNotSupportedMessage the first time a read finds no table service;
    // once per run, not on every read.
    using NotSupportedHandler = std::function<void(const std::string& message)>;

    explicit InterfaceTotals(InterfaceTableSource& source, NotSupportedHandler onNotSupported = {});

    // Re-reads the whole table into a new collection, holds it, recomputes both totals
    // and returns it. Never fails: a failed read gives an empty collection, totals 0.
    std::shared_ptr<InterfaceTable> Interfaces();
    // Replaces the held collection; no table read, totals unchanged.
    void Interfaces(std::shared_ptr<InterfaceTable> collection);

    // Totals of the last read, over the rows that CountsTowardTotals accepts.
    std::uint64_t BytesReceived() const { return bytesReceived_; }
    std::uint64_t BytesSent() const { return bytesSent_; }

    unsigned CounterBits() const { return source_.CounterBits(); }

  private:
    InterfaceTableSource& source_;
    NotSupportedHandler onNotSupported_;
    bool notSupportedShown_ = false;
    std::shared_ptr<InterfaceTable> held_;
    std::uint64_t bytesReceived_ = 0;
    std::uint64_t bytesSent_ = 0;
};

// Whether a row's traffic counts toward the totals: every row except loopback and the
// rows that only mirror another adapter's counters (see the definition for why).
bool CountsTowardTotals(const InterfaceTable& table, const InterfaceRow& row);

}  // namespace bytelora
