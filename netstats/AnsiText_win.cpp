#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>
#include <array>

#include "netstats/AnsiText.h"

namespace bytelora {

std::string AnsiToUtf8(std::span<const std::uint8_t> bytes, std::size_t maxChars) {
    // The descriptions are at most 256 bytes, and no code page gives more UTF-16 units
    // than bytes, so a fixed buffer holds any of them.
    std::array<wchar_t, 512> wide{};
    if (bytes.empty() || maxChars == 0) return {};
    const int byteCount = static_cast<int>(std::min<std::size_t>(bytes.size(), wide.size()));
    int units = MultiByteToWideChar(CP_ACP, 0, reinterpret_cast<const char*>(bytes.data()),
                                    byteCount, wide.data(), static_cast<int>(wide.size()));
    if (units <= 0) return {};
    if (static_cast<std::size_t>(units) > maxChars) units = static_cast<int>(maxChars);
    const int needed =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return {};
    std::string out(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, out.data(), needed, nullptr, nullptr);
    return out;
}

}  // namespace bytelora
