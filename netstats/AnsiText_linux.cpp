// There is no system ANSI code page here: the table images this code meets come from
// Windows machines with the Western code page, so bytes are read as Windows-1252.

#include <algorithm>
#include <array>

#include "netstats/AnsiText.h"
#include "netstats/Utf8Encoder.h"

namespace bytelora {

namespace {

// Windows-1252 0x80..0x9F. The five unassigned positions map to the C1 controls of the
// same value, as Windows itself converts them.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

std::string AnsiToUtf8(std::span<const std::uint8_t> bytes, std::size_t maxChars) {
    std::string out;
    const std::size_t count = std::min(bytes.size(), maxChars);
    out.reserve(count);
    std::size_t i = 0;
    while (i < count) {
        // Descriptions are nearly always plain ASCII: copy such runs in one go.
        std::size_t run = i;
        while (run < count && bytes[run] < 0x80) ++run;
        out.append(reinterpret_cast<const char*>(bytes.data()) + i, run - i);
        if (run == count) break;
        const std::uint8_t b = bytes[run];
        AppendUtf8(out, b <= 0x9F ? kCp1252High[b - 0x80] : char32_t{b});
        i = run + 1;
    }
    return out;
}

}  // namespace bytelora
