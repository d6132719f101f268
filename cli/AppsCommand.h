#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "countd/client/AppsReport.h"
#include "netstats/InterfaceTableSource.h"

namespace bytelora::cli {

// `apps`: each application's bytes since the per-application counter started, as a
// table or JSON, with the counted interfaces' bytes no program owns as "other".
// Without the counter: one line saying so and how to enable it, and exit 1.
int Apps(const CliOptions& options, InterfaceTableSource& source,
         const std::vector<std::string>& interfaces, const std::string& socketPath,
         std::ostream& out, std::ostream& err);

// The report as a table for people, with the label of "other" saying what it is.
std::string AppsTable(const countd::AppsReport& report);

}  // namespace bytelora::cli
