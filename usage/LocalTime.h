#pragma once

#include <ctime>

namespace bytelora {

// The local calendar time of a moment, by the system's time zone rules (one file per
// operating system: the C library's thread-safe form differs).
std::tm LocalCalendarTime(std::time_t when);

}  // namespace bytelora
