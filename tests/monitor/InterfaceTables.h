#pragma once

#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

#include "netstats/InterfaceRow.h"
#include "netstats/InterfaceTable.h"

namespace bytelora::testing {

struct Row {
    std::uint32_t index = 0;
    std::string name;
    std::uint64_t received = 0;
    std::uint64_t sent = 0;
    std::uint32_t type = kIfTypeEthernet;
};

inline InterfaceTable Table(std::initializer_list<Row> rows) {
    InterfaceTable table;
    for (const Row& row : rows) {
        auto record = std::make_shared<InterfaceRow>();
        record->InterfaceIndex(row.index);
        record->InterfaceName(row.name);
        record->InterfaceType(row.type);
        record->OctetsReceived(row.received);
        record->OctetsSent(row.sent);
        table.Add(record);
    }
    return table;
}

inline std::chrono::steady_clock::time_point At(double seconds) {
    return std::chrono::steady_clock::time_point{} + std::chrono::hours(1) +
           std::chrono::duration_cast<std::chrono::steady_clock::duration>(
               std::chrono::duration<double>(seconds));
}

}  // namespace bytelora::testing
