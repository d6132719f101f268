#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace bytelora {

// The columns a UTF-8 text takes in a terminal: Chinese, Japanese and Korean characters
// (and full-width forms) two, every other character one. For bytelora-cli's tables,
// whose headings are translated.
std::size_t TextColumns(std::string_view utf8);

// The text with blanks after it (or before it, `right`) up to `columns`; a longer text is
// kept whole, as printf's %-18s and %12s keep it.
std::string PadToColumns(const std::string& utf8, std::size_t columns, bool right = false);

}  // namespace bytelora
