#include "netstats/WindowsInterfaceProbe.h"

#include <memory>

namespace bytelora {

namespace {

// The tables that IP Helper allocates; FreeMibTable gives them back.
struct MibTableFree {
    void operator()(void* table) const {
        if (table) FreeMibTable(table);
    }
};
template <typename Table>
using MibTable = std::unique_ptr<Table, MibTableFree>;

}  // namespace

void FactsFromMibTables(const InterfaceTable& rows, const MIB_IF_TABLE2* interfaces,
                        const MIB_IPFORWARD_TABLE2* routes, std::vector<InterfaceFacts>& facts) {
    facts.assign(static_cast<std::size_t>(rows.Count()), InterfaceFacts{});
    std::size_t at = 0;
    for (const auto& row : rows) {
        InterfaceFacts& fact = facts[at++];
        if (!row) continue;
        const NET_IFINDEX index = row->InterfaceIndex();
        for (ULONG i = 0; interfaces && i < interfaces->NumEntries; ++i) {
            const MIB_IF_ROW2& entry = interfaces->Table[i];
            if (entry.InterfaceIndex != index) continue;
            fact.filter = entry.InterfaceAndOperStatusFlags.FilterInterface != 0;
            fact.hardware =
                !fact.filter && entry.InterfaceAndOperStatusFlags.HardwareInterface != 0;
            break;
        }
        for (ULONG i = 0; routes && i < routes->NumEntries; ++i) {
            const MIB_IPFORWARD_ROW2& route = routes->Table[i];
            if (route.InterfaceIndex == index && route.DestinationPrefix.PrefixLength == 0 &&
                !route.Loopback) {
                fact.defaultRoute = true;
                break;
            }
        }
    }
}

void WindowsInterfaceProbe::Probe(const InterfaceTable& table, std::vector<InterfaceFacts>& facts) {
    PMIB_IF_TABLE2 interfaces = nullptr;
    const MibTable<MIB_IF_TABLE2> ownedInterfaces(GetIfTable2(&interfaces) == NO_ERROR ? interfaces
                                                                                       : nullptr);
    PMIB_IPFORWARD_TABLE2 routes = nullptr;
    const MibTable<MIB_IPFORWARD_TABLE2> ownedRoutes(
        GetIpForwardTable2(AF_UNSPEC, &routes) == NO_ERROR ? routes : nullptr);
    FactsFromMibTables(table, ownedInterfaces.get(), ownedRoutes.get(), facts);
}

}  // namespace bytelora
