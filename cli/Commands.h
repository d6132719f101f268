#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "netstats/InterfaceTableSource.h"

namespace bytelora::cli {

// The interfaces to count: those given on the command line, else the choice stored by
// the window; empty for the automatic choice. A damaged stored choice is told on `err`.
std::vector<std::string> InterfacesToCount(const std::vector<std::string>& given,
                                           std::ostream& err);

// `interfaces`: one read of the table, a line per record with whether it counts and
// why, then the totals of the counted ones.
int ListInterfaces(InterfaceTableSource& source, const std::vector<std::string>& interfaces,
                   std::ostream& out, std::ostream& err);

// `watch`: the rates once a second until interrupted.
int Watch(InterfaceTableSource& source, const std::vector<std::string>& interfaces,
          std::ostream& out, std::ostream& err);

// `log`: snapshots into the history log at the chosen interval until interrupted.
// `every` is one of the interval entries; without it the interval chosen in the window.
// With a `textfileDir`, the recording also keeps node_exporter's textfile there.
int Log(InterfaceTableSource& source, const std::optional<std::string>& every,
        const std::vector<std::string>& interfaces, const std::string& textfileDir,
        std::ostream& out, std::ostream& err);

}  // namespace bytelora::cli
