#pragma once

#include <iosfwd>

#include "app/cli/CliOptions.h"
#include "common/Clock.h"
#include "usage/UsageSession.h"

namespace bytelora::cli {

// `usage`: the stored data usage as a table, JSON or CSV. A missing database is an
// empty view (exit 0); a damaged one is told and exits 1. Nothing on disk changes.
int Usage(const CliOptions& options, const UsageEnvironment& environment, int monthStartDay,
          const Clock& clock, std::ostream& out, std::ostream& err);

// The first day of the accounting month, as set in the window.
int StoredMonthStartDay();

}  // namespace bytelora::cli
