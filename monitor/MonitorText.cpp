#include "monitor/MonitorText.h"

namespace bytelora {

std::uint64_t WholeKilobytes(std::uint64_t bytes) {
    // Split before rounding so that counts near the top of the range cannot overflow.
    const std::uint64_t whole = bytes / kBytesPerKilobyte;
    return whole + (bytes % kBytesPerKilobyte >= kBytesPerKilobyte / 2 ? 1 : 0);
}

std::string GroupDigits(std::uint64_t value, std::string_view groupMark) {
    const std::string digits = std::to_string(value);
    std::string text;
    text.reserve(digits.size() + (digits.size() / 3) * groupMark.size());
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            text.append(groupMark);
        }
        text.push_back(digits[i]);
    }
    return text;
}

std::string KilobytesText(std::uint64_t bytes, std::string_view groupMark) {
    return GroupDigits(WholeKilobytes(bytes), groupMark);
}

std::string RateText(std::uint64_t wholeKilobytesPerSecond) {
    return std::to_string(wholeKilobytesPerSecond) + kRateUnit;
}

}  // namespace bytelora
