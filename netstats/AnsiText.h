#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace bytelora {

// Text in the system's ANSI code page, as UTF-8, keeping only the first maxChars
// characters (UTF-16 units, as the table counts them). Zero bytes are characters too,
// so a counted terminating zero stays in the text. One implementation per system.
std::string AnsiToUtf8(std::span<const std::uint8_t> bytes, std::size_t maxChars);

}  // namespace bytelora
