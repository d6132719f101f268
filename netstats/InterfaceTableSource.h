#pragma once

#include <memory>

#include "netstats/InterfaceProbe.h"
#include "netstats/InterfaceTable.h"

namespace bytelora {

enum class TableReadResult {
    Ok,
    NotSupported,  // the system has no interface table service at all
    Failed,        // this read failed; the next one may work
};

// Where the interface table comes from: the IP Helper table on Windows, rtnetlink on
// Linux, a fake in tests. One implementation file per operating system.
class InterfaceTableSource {
  public:
    virtual ~InterfaceTableSource() = default;

    // Appends one record per interface row to `into`, in table order. On a result
    // other than Ok, `into` holds no records.
    virtual TableReadResult Read(InterfaceTable& into) = 0;

    // Width of the octet counters this source reports: 32 (they wrap at 2^32) or 64.
    virtual unsigned CounterBits() const = 0;

    // What decides which interfaces count by default; none (the default) when the
    // source cannot tell, and then every interface but loopback counts.
    virtual InterfaceProbe* Probe() { return nullptr; }
};

// The machine's own interface table.
std::unique_ptr<InterfaceTableSource> MakeSystemInterfaceTable();

}  // namespace bytelora
