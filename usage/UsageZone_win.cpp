#include <ctime>

#include "usage/UsageCalendar.h"

namespace bytelora {

LocalZone SystemLocalZone() {
    return [](std::int64_t utcSeconds) {
        const std::time_t when = static_cast<std::time_t>(utcSeconds);
        std::tm local{};
        localtime_s(&local, &when);
        using namespace std::chrono;
        return LocalStamp{year_month_day{year{local.tm_year + 1900},
                                         month{static_cast<unsigned>(local.tm_mon + 1)},
                                         day{static_cast<unsigned>(local.tm_mday)}},
                          local.tm_hour};
    };
}

}  // namespace bytelora
