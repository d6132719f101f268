#include "usage/UsageCalendar.h"

#include <cstdio>

namespace bytelora {

using namespace std::chrono;

namespace {

constexpr std::int64_t kSecondsPerHour = 3600;
// No zone is further than 14 hours from UTC; a local day lies within these bounds of
// the UTC day of the same date.
constexpr UsageHour kZoneMargin = 15;

// Floor division: hours before 1970 belong to the hour that starts before them.
std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor) {
    std::int64_t quotient = value / divisor;
    if ((value % divisor != 0) && ((value < 0) != (divisor < 0))) --quotient;
    return quotient;
}

UsageHour UtcMidnightHour(year_month_day date) {
    return static_cast<UsageHour>(sys_days(date).time_since_epoch().count()) * 24;
}

}  // namespace

UsageHour HourOf(system_clock::time_point when) {
    return FloorDiv(duration_cast<seconds>(when.time_since_epoch()).count(), kSecondsPerHour);
}

system_clock::time_point StartOf(UsageHour hour) {
    return system_clock::time_point(seconds(hour * kSecondsPerHour));
}

LocalStamp LocalOf(UsageHour hour, const LocalZone& zone) {
    return zone(hour * kSecondsPerHour);
}

std::vector<UsageHour> HoursOfLocalDay(year_month_day date, const LocalZone& zone) {
    std::vector<UsageHour> hours;
    const UsageHour midnight = UtcMidnightHour(date);
    for (UsageHour hour = midnight - kZoneMargin; hour < midnight + 24 + kZoneMargin; ++hour) {
        if (LocalOf(hour, zone).date == date) hours.push_back(hour);
    }
    return hours;
}

UsageHour FirstHourOf(year_month_day date, const LocalZone& zone) {
    const UsageHour midnight = UtcMidnightHour(date);
    for (UsageHour hour = midnight - kZoneMargin; hour < midnight + 24 + kZoneMargin; ++hour) {
        if (sys_days(LocalOf(hour, zone).date) >= sys_days(date)) return hour;
    }
    return midnight;
}

AccountingPeriod PeriodContaining(year_month_day date, int firstDay) {
    if (firstDay < kMinMonthStartDay || firstDay > kMaxMonthStartDay) firstDay = 1;
    const day start{static_cast<unsigned>(firstDay)};
    year_month month{date.year(), date.month()};
    if (date.day() < start) month -= months{1};
    const year_month next = month + months{1};
    return {year_month_day{month / start}, year_month_day{next / start}};
}

AccountingPeriod PreviousPeriod(const AccountingPeriod& period, int firstDay) {
    return PeriodContaining(year_month_day{sys_days(period.first) - days{1}}, firstDay);
}

std::vector<year_month_day> DaysOf(const AccountingPeriod& period) {
    std::vector<year_month_day> result;
    for (sys_days day = sys_days(period.first); day < sys_days(period.end); day += days{1}) {
        result.emplace_back(day);
    }
    return result;
}

std::string DateText(year_month_day date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::string MonthText(year_month_day date) {
    return DateText(date).substr(0, 7);
}

std::string HourText(const LocalStamp& stamp) {
    char text[16];
    std::snprintf(text, sizeof text, "T%02d:%02d", stamp.hour, stamp.minute);
    return DateText(stamp.date) + text;
}

}  // namespace bytelora
