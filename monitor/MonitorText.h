#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace bytelora {

// A kilobyte is 1024 bytes everywhere in the program.
inline constexpr std::uint64_t kBytesPerKilobyte = 1024;

// A rate in kilobytes a second, in bytes a second.
constexpr double BytesPerSecond(double kilobytesPerSecond) {
    return kilobytesPerSecond * static_cast<double>(kBytesPerKilobyte);
}

// The unit after every rate. History-log readers look for it, so it stays "Kb/s" even
// though the figures are kilobytes.
inline constexpr char kRateUnit[] = " Kb/s";

// The whole number of kilobytes in `bytes`, rounded to the nearest (a half rounds up):
// 1536 bytes give 2, 1000 bytes give 1.
std::uint64_t WholeKilobytes(std::uint64_t bytes);

// The number with `groupMark` (the locale's digit-grouping mark, possibly several
// bytes of UTF-8 or empty) between every three digits: 1234567 gives "1,234,567".
std::string GroupDigits(std::uint64_t value, std::string_view groupMark);

// The text of a cumulative total: whole kilobytes, grouped.
std::string KilobytesText(std::uint64_t bytes, std::string_view groupMark);

// The text of a rate: the whole number without grouping, then " Kb/s".
std::string RateText(std::uint64_t wholeKilobytesPerSecond);

}  // namespace bytelora
