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

#include "netstats/IfTableReader.h"
#include "netstats/InterfaceTableSource.h"
#include "netstats/WindowsInterfaceProbe.h"

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

// The IP Helper table: MIB-II rows with 32-bit octet counters.
class WindowsInterfaceTable final : public InterfaceTableSource {
  public:
    TableReadResult Read(CInterfaces& into) override { return ReadIfTable(CallGetIfTable, into); }
    unsigned CounterBits() const override { return 32; }
    InterfaceProbe* Probe() override { return &probe_; }

  private:
    WindowsInterfaceProbe probe_;
};

}  // namespace

std::unique_ptr<InterfaceTableSource> MakeSystemInterfaceTable() {
    return std::make_unique<WindowsInterfaceTable>();
}

}  // namespace bytelora
