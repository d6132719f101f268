#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
// In this order: iphlpapi declares the newer tables only when their types are there.
// clang-format off
#include <winsock2.h>
#include <ws2ipdef.h>
#include <iphlpapi.h>
#include <netioapi.h>
// clang-format on

#include <vector>

#include "netstats/InterfaceProbe.h"

namespace bytelora {

// Fills one fact per row of `rows`, matched by interface index: hardware and filter
// from the MIB_IF_ROW2 flags, a default route from any route with prefix length 0.
// Either table may be missing; then those facts stay false.
void FactsFromMibTables(const InterfaceTable& rows, const MIB_IF_TABLE2* interfaces,
                        const MIB_IPFORWARD_TABLE2* routes, std::vector<InterfaceFacts>& facts);

// Windows facts from GetIfTable2 and GetIpForwardTable2, asked only when the set of
// interfaces changes.
class WindowsInterfaceProbe final : public InterfaceProbe {
  public:
    void Probe(const InterfaceTable& table, std::vector<InterfaceFacts>& facts) override;
};

}  // namespace bytelora
