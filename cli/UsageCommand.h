#pragma once

#include <iosfwd>

#include "cli/CliOptions.h"
#include "common/Clock.h"
#include "usage/UsageSession.h"

namespace bytelora::cli {

// `usage`: the stored data usage as a table, JSON or CSV, the month against the limit,
// or the totals for Prometheus. A missing database is an empty view (exit 0); a damaged
// one, or an interface the store does not know, is told and exits 1; so does a reached
// limit with --limit. Nothing on disk changes.
int Usage(const CliOptions& options, const UsageEnvironment& environment, const UsageLimit& limit,
          const Clock& clock, std::ostream& out, std::ostream& err);

// The monthly limit and the first day of the accounting month, as set in the window.
UsageLimit StoredLimit();

}  // namespace bytelora::cli
