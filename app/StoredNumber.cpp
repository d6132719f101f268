#include "app/StoredNumber.h"

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale>
#include <sstream>
#include <stdexcept>

namespace bytelora {

std::int16_t ToInteger16(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) throw std::invalid_argument("Type mismatch");
    const auto last = text.find_last_not_of(" \t");
    const std::string number = text.substr(first, last - first + 1);

    // Only plain decimal numbers: no hexadecimal, no "inf" or "nan".
    for (char c : number) {
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '+' || c == '-' ||
              c == 'e' || c == 'E')) {
            throw std::invalid_argument("Type mismatch");
        }
    }
    std::istringstream in(number);
    in.imbue(std::locale::classic());
    double value = 0.0;
    in >> value;
    if (in.fail() || !(in >> std::ws).eof()) throw std::invalid_argument("Type mismatch");

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
