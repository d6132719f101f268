#include "usage/LocalTime.h"

namespace bytelora {

std::tm LocalCalendarTime(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    return local;
}

}  // namespace bytelora
