#pragma once

#include <optional>
#include <string>

namespace bytelora {

class Settings;

// Where the small meter stood and whether it draws the chart, kept beside its On/Off
// choice (GlanceChoices):
//   Rates Window Left, Rates Window Top   its top-left corner, in the desktop's pixels
//   Rates Window Chart                    On | Off
inline constexpr char kRatesWindowLeftKey[] = "Rates Window Left";
inline constexpr char kRatesWindowTopKey[] = "Rates Window Top";
inline constexpr char kRatesWindowChartKey[] = "Rates Window Chart";

struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

// The stored corner, or nothing when either half is missing or is not a whole number a
// screen could hold (a damaged value places the meter afresh instead of failing).
std::optional<ScreenPoint> ReadRatesWindowPlace(Settings& settings);
bool ReadRatesWindowChart(Settings& settings);

// A stored coordinate as a number: blanks around it are allowed; anything else, or a
// value beyond +-1,000,000 pixels, is no coordinate.
std::optional<int> CoordinateFromText(const std::string& text);

}  // namespace bytelora
