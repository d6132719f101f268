#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "usage/UsageCalendar.h"

namespace bytelora {

// One stored row: the bytes one interface moved in one UTC hour.
struct UsageRow {
    std::string interfaceName;
    UsageHour hour = 0;
    std::uint64_t received = 0;
    std::uint64_t sent = 0;
};

// Top: the busiest days of the span, busiest first.
enum class UsageViewKind { Hours, Days, Months, Years, Top };

// The key of the view's array in the JSON form: "hours", "days", "months", "years" or "top".
const char* ViewKey(UsageViewKind kind);
// The key of one entry's label: "hour", "date", "month" or "year".
const char* EntryKey(UsageViewKind kind);

struct UsageBucket {
    std::string label;  // "2024-03-05T14:00", "2024-03-05", "2024-03" or "2024"
    std::uint64_t received = 0;
    std::uint64_t sent = 0;
};

struct UsageView {
    UsageViewKind kind = UsageViewKind::Days;
    // Over the counted interfaces (or the one chosen).
    std::vector<UsageBucket> total;
    // The same buckets for each interface that has rows in the view.
    std::map<std::string, std::vector<UsageBucket>> interfaces;
    // Stored name -> the alias users know it by, where the system gives one (Windows).
    std::map<std::string, std::string> aliases;
};

// The stored name that `typed` (a stored name or an alias) stands for.
std::string StoredInterfaceName(const std::string& typed,
                                const std::map<std::string, std::string>& aliases);

// What a view covers: today by hour, this accounting month by day, or the last 24
// accounting months; or, when `first` and `last` are given, the hours, days, accounting
// months or calendar years of those local days (both included).
struct ViewRequest {
    UsageViewKind kind = UsageViewKind::Days;
    std::chrono::system_clock::time_point now;
    int monthStartDay = 1;
    // Only this interface; empty for all counted ones.
    std::string interfaceName;
    std::optional<std::chrono::year_month_day> first{};
    std::optional<std::chrono::year_month_day> last{};
    // Hours without `first`: the 24 hours up to and including the present one.
    bool last24Hours = false;
    // Top: how many days at most.
    std::size_t top = 10;
};

inline constexpr int kMonthsShown = 24;

// The UTC hours [from, to) whose rows the view needs.
struct HourRange {
    UsageHour from = 0;
    UsageHour to = 0;
};
HourRange RangeOfView(const ViewRequest& request, const LocalZone& zone);

// Sums the rows into the view's buckets; rows outside it are left out.
UsageView BuildView(const ViewRequest& request, const std::vector<UsageRow>& rows,
                    const LocalZone& zone);

}  // namespace bytelora
