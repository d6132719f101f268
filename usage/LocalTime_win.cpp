#include "usage/LocalTime.h"

namespace bytelora {

std::tm LocalCalendarTime(std::time_t when) {
    std::tm local{};
    localtime_s(&local, &when);
    return local;
}

}  // namespace bytelora
