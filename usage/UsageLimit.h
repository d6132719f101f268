#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "usage/UsageCalendar.h"

namespace bytelora {

class SettingsStore;

// The monthly limit as the user set it.
struct UsageLimit {
    std::uint64_t bytes = 0;  // 0: no limit
    int monthStartDay = 1;    // 1 to 28
    bool alert = true;
};

// Settings keys, stored beside the program's other settings.
inline constexpr char kUsageLimitKey[] = "Usage Limit MB";
inline constexpr char kUsageMonthStartKey[] = "Usage Month Start";
inline constexpr char kUsageAlertKey[] = "Usage Alert";

// Reads a stored value leniently: anything unusable is the default.
UsageLimit LimitFromText(const std::string& megabytes, const std::string& monthStart,
                         const std::string& alert);

// The monthly limit as stored in the settings store; unusable values are the defaults.
UsageLimit StoredUsageLimit(SettingsStore& store);

// The use at the end of the period if the pace so far goes on; nothing in the first
// hour, where the pace says nothing yet.
std::optional<std::uint64_t> ProjectedUse(std::uint64_t usedSoFar, std::chrono::seconds elapsed,
                                          std::chrono::seconds wholePeriod);

// "about 312 GB by the 30th"
std::string ProjectionText(std::uint64_t projected, std::chrono::year_month_day lastDay);
// "1st", "2nd", "3rd", "4th", "11th", "22nd"...
std::string OrdinalDay(unsigned day);

// The balloons of one accounting month: at 90 % and at 100 % of the limit, each once.
enum class UsageAlert { None, Near, Reached };

struct AlertsGiven {
    bool near = false;
    bool reached = false;
};

// Which balloon to show now. Passing both thresholds at once shows only the 100 % one.
UsageAlert DecideAlert(const UsageLimit& limit, std::uint64_t used, const AlertsGiven& given);

std::string AlertText(UsageAlert alert, const UsageLimit& limit, std::uint64_t used);

}  // namespace bytelora
