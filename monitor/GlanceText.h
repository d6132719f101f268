#pragma once

#include <string>

#include "common/RateUnits.h"

namespace bytelora {

// The shortest form, for a tray icon a few pixels wide: at most three significant
// characters and a unit letter: "0", "850", "85K", "1.2M", "34M", "2.1G" in bytes;
// "0", "850", "85k", "1.2M", "34M", "2.1G" in bits. Below one kilo the bare number.
// Negative or not-a-number rates read "0".
std::string ShortRate(double bytesPerSecond, RateUnits units);

// The same figure with its whole unit, for the meter: "850 B/s", "85 KB/s", "1.2 MB/s";
// "850 bit/s", "85 kbit/s", "1.2 Mbit/s", "2.1 Gbit/s".
std::string FullRate(double bytesPerSecond, RateUnits units);

}  // namespace bytelora
