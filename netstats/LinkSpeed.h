#pragma once

#include <cstdint>

#include "netstats/InterfaceRow.h"

namespace bytelora {

// The nominal speed of a row's link in bits per second, 0 when unknown. Meant for an
// occasional listing, not for the table read four times a second: on Linux it asks
// sysfs once per call. On Windows it is the row's own Speed.
std::uint64_t LinkSpeedBitsPerSecond(const InterfaceRow& row);

}  // namespace bytelora
