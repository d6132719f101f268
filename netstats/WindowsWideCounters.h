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

#include "netstats/InterfaceTable.h"

namespace bytelora {

// Gives each row, matched by interface index, the 64-bit octet counters and the alias of
// its MIB_IF_ROW2. False when a row has no entry there (it came or went between the two
// reads); the rows that had one are changed all the same.
bool WidenFromIfTable2(const InterfaceTable& rows, const MIB_IF_TABLE2& table);

}  // namespace bytelora
