#include "settings/RatesWindowPlace.h"

#include <cctype>
#include <charconv>

#include "settings/SettingsStore.h"

namespace bytelora {
namespace {

// Far beyond any desktop, and small enough that adding a window's size never overflows.
constexpr int kFarthestCoordinate = 1'000'000;

}  // namespace

std::optional<int> CoordinateFromText(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(text[first]))) ++first;
    while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1]))) --last;
    if (first == last) return std::nullopt;
    int value = 0;
    const char* begin = text.data() + first;
    const char* end = text.data() + last;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc{} || stop != end) return std::nullopt;
    if (value < -kFarthestCoordinate || value > kFarthestCoordinate) return std::nullopt;
    return value;
}

std::optional<ScreenPoint> ReadRatesWindowPlace(Settings& settings) {
    const auto x = CoordinateFromText(settings.Get(kRatesWindowLeftKey, ""));
    const auto y = CoordinateFromText(settings.Get(kRatesWindowTopKey, ""));
    if (!x || !y) return std::nullopt;
    return ScreenPoint{*x, *y};
}

bool ReadRatesWindowChart(Settings& settings) {
    return settings.Get(kRatesWindowChartKey, "Off") == "On";
}

}  // namespace bytelora
