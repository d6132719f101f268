#include "usage/LocalTime.h"
#include "usage/UsageCalendar.h"

namespace bytelora {

LocalZone SystemLocalZone() {
    return [](std::int64_t utcSeconds) {
        const std::tm local = LocalCalendarTime(static_cast<std::time_t>(utcSeconds));
        using namespace std::chrono;
        return LocalStamp{year_month_day{year{local.tm_year + 1900},
                                         month{static_cast<unsigned>(local.tm_mon + 1)},
                                         day{static_cast<unsigned>(local.tm_mday)}},
                          local.tm_hour, local.tm_min};
    };
}

}  // namespace bytelora
