#pragma once

#include <vector>

#include "netstats/InterfaceTable.h"

namespace bytelora {

// What the operating system says about an interface beyond its counters.
struct InterfaceFacts {
    // A device of its own (a network card, a wireless or mobile adapter), not a bridge,
    // veth, VLAN, bond, tunnel or other software interface.
    bool hardware = false;
    // Carries an IPv4 or IPv6 default route.
    bool defaultRoute = false;
    // A filter-layer row that only mirrors another adapter's counters.
    bool filter = false;
};

// Asks the system which interfaces have hardware behind them and which carry a default
// route. These look-ups are far slower than a table read, so they are made only when
// the set of interfaces changes, never on every read. One implementation per system.
class InterfaceProbe {
  public:
    virtual ~InterfaceProbe() = default;

    // Fills `facts` with one entry per record of `table`, in table order.
    virtual void Probe(const InterfaceTable& table, std::vector<InterfaceFacts>& facts) = 0;
};

}  // namespace bytelora
