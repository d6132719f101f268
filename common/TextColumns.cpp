#include "common/TextColumns.h"

namespace bytelora {

namespace {

bool IsWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

}  // namespace

std::size_t TextColumns(std::string_view utf8) {
    std::size_t columns = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = lead < 0x80    ? 1
                             : lead >= 0xF0 ? 4
                             : lead >= 0xE0 ? 3
                             : lead >= 0xC0 ? 2
                                            : 1;
        if (i + length > utf8.size()) length = 1;  // a cut-off sequence counts as one
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        columns += IsWide(c) ? 2 : 1;
        i += length;
    }
    return columns;
}

std::string PadToColumns(const std::string& utf8, std::size_t columns, bool right) {
    const std::size_t used = TextColumns(utf8);
    if (used >= columns) return utf8;
    const std::string blanks(columns - used, ' ');
    return right ? blanks + utf8 : utf8 + blanks;
}

}  // namespace bytelora
