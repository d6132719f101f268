#pragma once

#include <chrono>

#include "usage/UsageCalendar.h"

namespace bytelora::testing {

// Central European time as a fixed rule: UTC+1, and UTC+2 from the last Sunday of March
// to the last Sunday of October (2024: 31 March and 27 October, at 01:00 UTC).
inline LocalZone CentralEuropeanZone() {
    return [](std::int64_t utc) {
        using namespace std::chrono;
        const sys_seconds when{seconds(utc)};
        const auto summerFrom = sys_days{year{2024} / March / 31} + hours(1);
        const auto summerTo = sys_days{year{2024} / October / 27} + hours(1);
        const auto local = when + hours(when >= summerFrom && when < summerTo ? 2 : 1);
        const auto day = floor<days>(local);
        return LocalStamp{year_month_day{day},
                          static_cast<int>(duration_cast<hours>(local - day).count())};
    };
}

// A zone that keeps one offset all year, such as India's +05:30 or Nepal's +05:45.
inline LocalZone FixedOffsetZone(std::chrono::minutes offset) {
    return [offset](std::int64_t utc) {
        using namespace std::chrono;
        const auto local = sys_seconds{seconds(utc)} + offset;
        const auto day = floor<days>(local);
        const auto time = hh_mm_ss{local - day};
        return LocalStamp{year_month_day{day}, static_cast<int>(time.hours().count()),
                          static_cast<int>(time.minutes().count())};
    };
}

inline std::chrono::system_clock::time_point Utc(int y, unsigned m, unsigned d, int hour) {
    using namespace std::chrono;
    return sys_days{year{y} / month{m} / day{d}} + hours(hour);
}

}  // namespace bytelora::testing
