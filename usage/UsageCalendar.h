#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace bytelora {

// Usage is stored per UTC hour: the number of whole hours since 1970-01-01 00:00 UTC.
// Days and months are formed from these hours in local time when they are shown, so
// a change of time zone moves nothing already stored.
using UsageHour = std::int64_t;

UsageHour HourOf(std::chrono::system_clock::time_point when);
std::chrono::system_clock::time_point StartOf(UsageHour hour);

// The local calendar date, hour and minute of an instant. A stored hour starts at a
// minute other than 0 in zones whose offset is not a whole number of hours (India's
// +05:30, Nepal's +05:45): its label says so rather than round it.
struct LocalStamp {
    std::chrono::year_month_day date;
    int hour = 0;
    int minute = 0;
};

// Turns seconds since the epoch (UTC) into local time: the system's zone in the
// program, a fixed rule in tests.
using LocalZone = std::function<LocalStamp(std::int64_t utcSeconds)>;

// The machine's local time zone.
LocalZone SystemLocalZone();

LocalStamp LocalOf(UsageHour hour, const LocalZone& zone);

// The UTC hours whose local date is `date`, in order: 24 of them on most days, 23 and
// 25 on the days the clocks change.
std::vector<UsageHour> HoursOfLocalDay(std::chrono::year_month_day date, const LocalZone& zone);
// The first UTC hour whose local date is on or after `date`.
UsageHour FirstHourOf(std::chrono::year_month_day date, const LocalZone& zone);

// An accounting month: from its first day (inclusive) to the next one's (exclusive).
// The first day is 1 to 28, so every month has it.
struct AccountingPeriod {
    std::chrono::year_month_day first;
    std::chrono::year_month_day end;
    bool operator==(const AccountingPeriod&) const = default;
};

inline constexpr int kMinMonthStartDay = 1;
inline constexpr int kMaxMonthStartDay = 28;

AccountingPeriod PeriodContaining(std::chrono::year_month_day date, int firstDay);
AccountingPeriod PreviousPeriod(const AccountingPeriod& period, int firstDay);
std::vector<std::chrono::year_month_day> DaysOf(const AccountingPeriod& period);

// "2024-03-05", "2024-03", "2024-03-05T14:00" (or "2024-03-05T14:30" where the stored
// hour starts at half past).
std::string DateText(std::chrono::year_month_day date);
std::string MonthText(std::chrono::year_month_day date);
std::string HourText(const LocalStamp& stamp);

}  // namespace bytelora
