#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "usage/UsageView.h"

namespace bytelora {

// "2024-03-05" as a date; nothing for anything else (including 2024-02-30).
std::optional<std::chrono::year_month_day> ParseDateText(const std::string& text);

// The local days a command-line view covers, from its --begin and --end (either may be
// missing) and the first day with stored usage. No view reaches past today: the future
// has nothing to show. Without either bound:
//   hours   the 24 hours up to now
//   days    this accounting month up to today
//   months  the last 24 accounting months
//   years   and top: every day from the first stored one
// With only --end, hours cover that day, days its accounting month, months the 24 up to
// it; with only --begin, everything from that day to today.
struct CommandLineSpan {
    std::optional<std::chrono::year_month_day> begin;
    std::optional<std::chrono::year_month_day> end;
    std::optional<std::chrono::year_month_day> firstStored;
};
void ApplySpan(ViewRequest& request, const CommandLineSpan& span, const LocalZone& zone);

}  // namespace bytelora
