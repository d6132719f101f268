#include "monitor/GlanceText.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace bytelora {
namespace {

struct Scaled {
    std::string number;
    int step = 0;  // 0 none, 1 kilo, 2 mega, 3 giga, 4 tera
};

// One decimal below 10 (but never for the bare unit, which counts whole bytes or bits),
// a whole number below 1000, else the next step up. Deciding on the rounded figure
// keeps "9.96" from showing as "10.0" and "999.7" as "1000".
Scaled Scale(double value, double base) {
    if (!(value > 0.0)) return {"0", 0};
    int step = 0;
    for (;;) {
        char text[32];
        if (step > 0 && value < 9.95) {
            std::snprintf(text, sizeof text, "%.1f", value);
            return {text, step};
        }
        if (value < 999.5 || step == 4) {
            std::snprintf(text, sizeof text, "%.0f", std::round(value));
            return {text, step};
        }
        value /= base;
        ++step;
    }
}

// The rate in the chosen units, scaled: bits are eight to a byte and step by 1000.
Scaled ScaledRate(double bytesPerSecond, RateUnits units) {
    const bool bits = units == RateUnits::Bits;
    return Scale(bits ? bytesPerSecond * 8.0 : bytesPerSecond, bits ? 1000.0 : 1024.0);
}

}  // namespace

std::string ShortRate(double bytesPerSecond, RateUnits units) {
    static constexpr std::array<const char*, 5> kBytes = {"", "K", "M", "G", "T"};
    static constexpr std::array<const char*, 5> kBits = {"", "k", "M", "G", "T"};
    const bool bits = units == RateUnits::Bits;
    const Scaled scaled = ScaledRate(bytesPerSecond, units);
    return scaled.number + (bits ? kBits : kBytes)[scaled.step];
}

std::string FullRate(double bytesPerSecond, RateUnits units) {
    static constexpr std::array<const char*, 5> kBytes = {" B/s", " KB/s", " MB/s", " GB/s",
                                                          " TB/s"};
    static constexpr std::array<const char*, 5> kBits = {" bit/s", " kbit/s", " Mbit/s", " Gbit/s",
                                                         " Tbit/s"};
    const bool bits = units == RateUnits::Bits;
    const Scaled scaled = ScaledRate(bytesPerSecond, units);
    return scaled.number + (bits ? kBits : kBytes)[scaled.step];
}

}  // namespace bytelora
