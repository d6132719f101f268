#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "countd/client/AppNames.h"
#include "countd/client/CountdClient.h"
#include "usage/UsageDatabase.h"
#include "usage/UsageRecorder.h"
#include "usage/UsageView.h"

// The applications' side of data usage: the per-application counter as the recorder
// reads it, and the stored rows summed per application for the views.
namespace bytelora {

// The processes of `uid` (every process when it is empty) and their exited ones in the
// counter's reply, grouped by executable and named after their desktop entries, under
// countd::ApplicationKey.
AppCounterRead AppCounterReadOf(const countd::Reply& reply, std::optional<std::uint32_t> uid,
                                const countd::AppNames& names);

// Asks the counter through `fetch` at each look, as this user; nothing when it does not
// answer. The names are made once, at the first answer: without a counter the desktop
// entries are never read.
AppCounter AppCounterOf(std::function<countd::FetchResult()> fetch,
                        std::function<countd::AppNames()> makeNames);

// Asks through `ask` on a thread of its own, one question at a time, so that a counter
// that is slow to answer never holds up the caller: each call starts a question when none
// is out and returns the answer that came since the last call (nothing when none came),
// stamped with the time it was asked by `clock`. A question still out when everything
// else has ended keeps only its own copies alive.
AppCounter AskedInBackground(AppCounter ask, const Clock& clock);

// One application's bytes over a span of hours.
struct AppTotal {
    std::string name;        // the latest name it was stored with
    std::string executable;  // the key it is stored under
    std::uint64_t received = 0;
    std::uint64_t sent = 0;
    bool operator==(const AppTotal&) const = default;
};

// The rows summed per application, busiest first (then by name, so that the order is
// the same on every run).
std::vector<AppTotal> SumByApplication(const std::vector<AppUsageRow>& rows);

// `bytelora-cli usage --apps --json`, one line:
//   {"unit":"bytes","view":"days","from":"2024-03-01","to":"2024-03-05",
//    "applications":[{"name":…,"executable":…,"received":N,"sent":N},…]}
// "view" is "hours", "days", "months" or "years"; "from" and "to" are the local dates of
// the first and the last hour the view covers (both included); applications come
// busiest first. Invalid UTF-8 in a name becomes U+FFFD.
std::string AppUsageJson(UsageViewKind kind, HourRange range, const LocalZone& zone,
                         const std::vector<AppTotal>& totals);

// CSV: "name,executable,received,sent,total", then one line per application, busiest
// first; names and executables quoted, lines ending with CR LF.
std::string AppUsageCsv(const std::vector<AppTotal>& totals);

// A table for a terminal, with amounts in units of 1024 and a total line.
std::string AppUsageTable(const std::vector<AppTotal>& totals);

}  // namespace bytelora
