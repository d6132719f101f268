#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "netstats/InterfaceTableSource.h"

namespace bytelora::cli {

// `interfaces`: one read of the table, a line per record, then the totals.
int ListInterfaces(InterfaceTableSource& source, std::ostream& out, std::ostream& err);

// `watch`: the rates once a second until interrupted.
int Watch(InterfaceTableSource& source, std::ostream& out, std::ostream& err);

// `log`: snapshots into the history log at the chosen interval until interrupted.
// `every` is one of the interval entries; without it the interval chosen in the window.
int Log(InterfaceTableSource& source, const std::optional<std::string>& every, std::ostream& out,
        std::ostream& err);

// The text of a MIB-II interface type and operational status, for the listing.
std::string InterfaceTypeText(unsigned type);
std::string OperationalStatusText(unsigned status);

}  // namespace bytelora::cli
