#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace bytelora {

// File name of the program's entry in the XDG autostart folder.
inline constexpr char kAutostartEntryName[] = "bytelora.desktop";

// One argument of a desktop entry's Exec key, in double quotes: the quoting rule's
// backslashes for ", `, $ and \, then the string escapes (\\, \n, \t, \r), and %%.
// Throws StartupRegistrationError for text that a desktop entry cannot carry (not
// UTF-8, or other control characters).
std::string QuoteExecArgument(std::string_view utf8);

// The whole autostart entry that starts `program` (an absolute path) with the session.
std::string AutostartEntryText(const std::filesystem::path& program);

}  // namespace bytelora
