#pragma once

#include <cstdint>
#include <string>

namespace bytelora {

// A stored text read as a 16-bit whole number the way the settings were always read:
// blanks around it are ignored, a fraction is rounded to the nearest whole number with
// halves going to the even neighbour. Throws std::invalid_argument for a text that is
// no number and std::out_of_range for one that does not fit 16 bits.
std::int16_t ToInteger16(const std::string& text);

}  // namespace bytelora
