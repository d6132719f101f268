#include "netstats/IfTableReader.h"

#include <algorithm>
#include <memory>
#include <new>

#include "netstats/AnsiText.h"
#include "netstats/Utf8Encoder.h"

namespace bytelora {

namespace {

// The table is little-endian whatever the host; assemble bytes rather than copy words.
std::uint32_t LoadU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void HexDigits(std::string& out, std::uint8_t byte) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    if (byte == 0) {
        out += "00";
        return;
    }
    if (byte >= 0x10) out.push_back(kDigits[byte >> 4]);
    out.push_back(kDigits[byte & 0x0F]);
}

InterfaceTable::Record ParseRow(const std::uint8_t* row) {
    auto record = std::make_shared<InterfaceRow>();
    InterfaceRow& r = *record;
    const auto field = [row](std::size_t offset) { return LoadU32(row + offset); };

    r.InterfaceDescription(
        AnsiToUtf8({row + ifrow::kDescr, kIfDescrBytes}, field(ifrow::kDescrLen)));
    const std::size_t addrLen = std::min<std::size_t>(field(ifrow::kPhysAddrLen), kIfPhysAddrBytes);
    r.AdapterAddress(FormatAdapterAddress({row + ifrow::kPhysAddr, addrLen}));
    r.InterfaceName(Utf16LeToUtf8({row + ifrow::kName, kIfNameUnits * 2}));
    r.InterfaceIndex(field(ifrow::kIndex));
    r.InterfaceType(field(ifrow::kType));
    r.MaximumTransmissionUnit(field(ifrow::kMtu));
    r.Speed(field(ifrow::kSpeed));
    r.AdminStatus(field(ifrow::kAdminStatus));
    r.OperationalStatus(field(ifrow::kOperStatus));
    r.LastChange(LastChangeFromDays(field(ifrow::kLastChange)));
    r.OctetsReceived(field(ifrow::kInOctets));
    r.UnicastPacketsReceived(field(ifrow::kInUcastPkts));
    r.NonunicastPacketsReceived(field(ifrow::kInNUcastPkts));
    r.DiscardedIncomingPackets(field(ifrow::kInDiscards));
    r.IncomingErrors(field(ifrow::kInErrors));
    r.UnknownProtocolPackets(field(ifrow::kInUnknownProtos));
    r.OctetsSent(field(ifrow::kOutOctets));
    r.UnicastPacketsSent(field(ifrow::kOutUcastPkts));
    r.NonunicastPacketsSent(field(ifrow::kOutNUcastPkts));
    r.DiscardedOutgoingPackets(field(ifrow::kOutDiscards));
    r.OutgoingErrors(field(ifrow::kOutErrors));
    r.OutputQueueLength(field(ifrow::kOutQLen));
    return record;
}

}  // namespace

std::string FormatAdapterAddress(std::span<const std::uint8_t> bytes) {
    std::string text;
    const std::size_t count = std::min(bytes.size(), kIfPhysAddrBytes);
    text.reserve(3 * count);
    for (std::size_t i = 0; i < count; ++i) {
        if (i != 0) text.push_back('-');
        HexDigits(text, bytes[i]);
    }
    return text;
}

double LastChangeFromDays(std::uint32_t days) {
    constexpr std::uint32_t kLastRepresentableDay = 2958465;  // 31 December 9999
    return days > kLastRepresentableDay ? 0.0 : static_cast<double>(days);
}

std::string Utf16LeToUtf8(std::span<const std::uint8_t> units) {
    std::string out;
    const std::size_t count = units.size() / 2;
    const auto unit = [&units](std::size_t i) {
        return static_cast<char32_t>(units[2 * i] | (units[2 * i + 1] << 8));
    };
    for (std::size_t i = 0; i < count; ++i) {
        const char32_t u = unit(i);
        if (u == 0) break;
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < count) {
            const char32_t low = unit(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(out, u);  // a lone surrogate comes out as U+FFFD
    }
    return out;
}

std::size_t ParseIfTable(std::span<const std::uint8_t> table, InterfaceTable& into) {
    if (table.size() < kIfTableHeaderSize) return 0;
    const std::size_t claimed = LoadU32(table.data());
    const std::size_t fitting = (table.size() - kIfTableHeaderSize) / kIfRowSize;
    const std::size_t rows = std::min(claimed, fitting);
    into.Reserve(static_cast<std::size_t>(into.Count()) + rows);
    for (std::size_t i = 0; i < rows; ++i) {
        auto record = ParseRow(table.data() + kIfTableHeaderSize + i * kIfRowSize);
        into.Add(record);
    }
    return rows;
}

TableReadResult ReadIfTable(const GetIfTableCall& getIfTable, InterfaceTable& into) {
    std::uint32_t size = 0;
    if (getIfTable(nullptr, &size, 0) == kGetIfTableNotSupported) {
        return TableReadResult::NotSupported;
    }
    if (size == 0 || size > kMaxIfTableBytes) return TableReadResult::Failed;

    // Zeroed, so that a call reporting success without writing every byte still leaves
    // defined contents behind.
    std::unique_ptr<std::uint8_t[]> buffer;
    try {
        buffer = std::make_unique<std::uint8_t[]>(size);
    } catch (const std::bad_alloc&) {
        return TableReadResult::Failed;
    }
    // The call may report any size back; only the bytes we own are ever looked at.
    std::uint32_t fillSize = size;
    if (getIfTable(buffer.get(), &fillSize, 0) != 0) return TableReadResult::Failed;

    ParseIfTable({buffer.get(), size}, into);
    return TableReadResult::Ok;
}

}  // namespace bytelora
