#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
// winsock2 and ws2ipdef go first: iphlpapi declares the newer interface and route
// tables only when their types are already there.
// clang-format off
#include <winsock2.h>
#include <ws2ipdef.h>
#include <windows.h>
#include <iphlpapi.h>
// clang-format on

#include <cstddef>
#include <memory>

#include "netstats/IfTableReader.h"
#include "netstats/InterfaceTableSource.h"
#include "netstats/WindowsInterfaceProbe.h"
#include "netstats/WindowsWideCounters.h"

namespace bytelora {

// The reader works on raw bytes; make sure they are laid out as the SDK lays them out.
static_assert(sizeof(MIB_IFROW) == kIfRowSize);
static_assert(offsetof(MIB_IFTABLE, table) == kIfTableHeaderSize);
static_assert(offsetof(MIB_IFROW, dwIndex) == ifrow::kIndex);
static_assert(offsetof(MIB_IFROW, bPhysAddr) == ifrow::kPhysAddr);
static_assert(offsetof(MIB_IFROW, dwInOctets) == ifrow::kInOctets);
static_assert(offsetof(MIB_IFROW, dwOutOctets) == ifrow::kOutOctets);
static_assert(offsetof(MIB_IFROW, dwDescrLen) == ifrow::kDescrLen);
static_assert(offsetof(MIB_IFROW, bDescr) == ifrow::kDescr);

namespace {

std::uint32_t CallGetIfTable(std::uint8_t* table, std::uint32_t* size, std::int32_t order) {
    ULONG bytes = *size;
    const DWORD result =
        GetIfTable(reinterpret_cast<PMIB_IFTABLE>(table), &bytes, order != 0 ? TRUE : FALSE);
    *size = static_cast<std::uint32_t>(bytes);
    return static_cast<std::uint32_t>(result);
}

struct MibTableFree {
    void operator()(MIB_IF_TABLE2* table) const {
        if (table) FreeMibTable(table);
    }
};
using IfTable2 = std::unique_ptr<MIB_IF_TABLE2, MibTableFree>;

IfTable2 ReadIfTable2() {
    PMIB_IF_TABLE2 table = nullptr;
    return IfTable2(GetIfTable2(&table) == NO_ERROR ? table : nullptr);
}

// The IP Helper table: MIB-II rows, whose octet counters are 32 bits wide. Where the
// newer table is there too, its 64-bit counters and the interfaces' aliases replace
// them: more than 4 GiB between two reads (or between two runs) then still counts.
class WindowsInterfaceTable final : public InterfaceTableSource {
  public:
    WindowsInterfaceTable() : wide_(ReadIfTable2() != nullptr) {}

    TableReadResult Read(InterfaceTable& into) override {
        if (!wide_) return ReadIfTable(CallGetIfTable, into);
        InterfaceTable rows;
        const TableReadResult result = ReadIfTable(CallGetIfTable, rows);
        if (result != TableReadResult::Ok) return result;
        // A row without its 64-bit counters would mix two widths: the read fails, and
        // the next one (after the interface settled) counts.
        const IfTable2 wide = ReadIfTable2();
        if (!wide || !WidenFromIfTable2(rows, *wide)) return TableReadResult::Failed;
        for (auto row : rows) into.Add(row);
        return TableReadResult::Ok;
    }
    unsigned CounterBits() const override { return wide_ ? 64 : 32; }
    InterfaceProbe* Probe() override { return &probe_; }

  private:
    bool wide_;
    WindowsInterfaceProbe probe_;
};

}  // namespace

std::unique_ptr<InterfaceTableSource> MakeSystemInterfaceTable() {
    return std::make_unique<WindowsInterfaceTable>();
}

}  // namespace bytelora
