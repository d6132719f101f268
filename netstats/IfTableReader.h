#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "netstats/InterfaceTable.h"
#include "netstats/InterfaceTableSource.h"

namespace bytelora {

// Layout of the IP Helper interface table image (MIB_IFTABLE of MIB_IFROW rows).
inline constexpr std::size_t kIfTableHeaderSize = 4;
inline constexpr std::size_t kIfRowSize = 860;
inline constexpr std::size_t kIfNameUnits = 256;
inline constexpr std::size_t kIfPhysAddrBytes = 8;
inline constexpr std::size_t kIfDescrBytes = 256;

namespace ifrow {
inline constexpr std::size_t kName = 0;
inline constexpr std::size_t kIndex = 512;
inline constexpr std::size_t kType = 516;
inline constexpr std::size_t kMtu = 520;
inline constexpr std::size_t kSpeed = 524;
inline constexpr std::size_t kPhysAddrLen = 528;
inline constexpr std::size_t kPhysAddr = 532;
inline constexpr std::size_t kAdminStatus = 540;
inline constexpr std::size_t kOperStatus = 544;
inline constexpr std::size_t kLastChange = 548;
inline constexpr std::size_t kInOctets = 552;
inline constexpr std::size_t kInUcastPkts = 556;
inline constexpr std::size_t kInNUcastPkts = 560;
inline constexpr std::size_t kInDiscards = 564;
inline constexpr std::size_t kInErrors = 568;
inline constexpr std::size_t kInUnknownProtos = 572;
inline constexpr std::size_t kOutOctets = 576;
inline constexpr std::size_t kOutUcastPkts = 580;
inline constexpr std::size_t kOutNUcastPkts = 584;
inline constexpr std::size_t kOutDiscards = 588;
inline constexpr std::size_t kOutErrors = 592;
inline constexpr std::size_t kOutQLen = 596;
inline constexpr std::size_t kDescrLen = 600;
inline constexpr std::size_t kDescr = 604;
}  // namespace ifrow

inline constexpr std::uint32_t kGetIfTableNotSupported = 50;  // ERROR_NOT_SUPPORTED
// A probe asking for more than this is not a table we can use (about 19,000 rows).
inline constexpr std::uint32_t kMaxIfTableBytes = 16u * 1024u * 1024u;

// GetIfTable(table, size, order): writes the table image into table (when the size is
// enough), sets *size to the bytes needed when table is missing or too small, and
// returns 0 on success, 50 where the service does not exist, another code otherwise.
using GetIfTableCall =
    std::function<std::uint32_t(std::uint8_t* table, std::uint32_t* size, std::int32_t order)>;

// One read of the table: probe for the size, fill a buffer of exactly that size, parse
// it. `into` gets records only when the result is Ok.
TableReadResult ReadIfTable(const GetIfTableCall& getIfTable, InterfaceTable& into);

// Appends one record per row that lies wholly inside the buffer, whatever row count the
// header claims. Returns the number of records appended.
std::size_t ParseIfTable(std::span<const std::uint8_t> table, InterfaceTable& into);

// The hardware address as the table shows it: bytes joined by "-", a zero byte as "00",
// any other in upper-case hex without a leading zero; at most the first 8 bytes.
std::string FormatAdapterAddress(std::span<const std::uint8_t> bytes);

// dwLastChange taken as a day count from 30 December 1899; counts past 31 December 9999
// give 0 (unset).
double LastChangeFromDays(std::uint32_t days);

// UTF-16LE text up to the first zero unit (or the end), as UTF-8; unpaired surrogates
// become U+FFFD.
std::string Utf16LeToUtf8(std::span<const std::uint8_t> units);

}  // namespace bytelora
