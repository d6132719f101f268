#include "settings/StoredNumber.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string_view>
#include <system_error>

namespace bytelora {
namespace {

// Whether a decimal number that does not fit a double is too large rather than too close
// to zero: the place of its first significant digit, moved by its exponent.
bool BeyondTheLargest(std::string_view number) {
    const auto exponentAt = number.find_first_of("eE");
    long long exponent = 0;
    if (exponentAt != std::string_view::npos) {
        std::string_view digits = number.substr(exponentAt + 1);
        if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
        const auto [end, ec] =
            std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
        // An exponent beyond even this range decides alone.
        if (ec == std::errc::result_out_of_range) return digits.front() != '-';
        number = number.substr(0, exponentAt);
    }
    const auto point = number.find('.');
    const std::string_view whole = number.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : number.substr(point + 1);
    long long place = 0;
    if (const auto first = whole.find_first_not_of("+-0"); first != std::string_view::npos) {
        place = static_cast<long long>(whole.size() - first);
    } else if (const auto firstOfFraction = fraction.find_first_not_of('0');
               firstOfFraction != std::string_view::npos) {
        place = -static_cast<long long>(firstOfFraction);
    }
    return place + exponent > 0;
}

}  // namespace

std::int16_t ToInteger16(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) throw std::invalid_argument("Type mismatch");
    const auto last = text.find_last_not_of(" \t");
    std::string_view number(text.data() + first, last - first + 1);

    // Only plain decimal numbers: no hexadecimal, no "inf" or "nan".
    for (char c : number) {
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '+' || c == '-' ||
              c == 'e' || c == 'E')) {
            throw std::invalid_argument("Type mismatch");
        }
    }
    // Read as the C++ streams read a number in the classic locale (a leading "+" is
    // allowed; a number too large is a mismatch, one too close to zero is zero), without
    // a stream: the first one would set up the library's locale machinery for good.
    std::string_view digits = number;
    if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-' && digits[1] != '+') {
        digits.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (end != digits.data() + digits.size() ||
        (ec != std::errc() && ec != std::errc::result_out_of_range)) {
        throw std::invalid_argument("Type mismatch");
    }
    if (ec == std::errc::result_out_of_range) {
        if (BeyondTheLargest(digits)) throw std::invalid_argument("Type mismatch");
        value = 0.0;
    }

    // nearbyint follows the current rounding mode, which the program never changes from
    // round-to-nearest-even.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
          rounded <= std::numeric_limits<std::int16_t>::max())) {
        throw std::out_of_range("Overflow");
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace bytelora
