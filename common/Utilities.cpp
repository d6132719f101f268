#include "common/Utilities.h"

#include <system_error>

#include "common/PlatformFiles.h"

namespace bytelora {

namespace {
constexpr std::int64_t kSecondsPerDay = 86400;
}

std::filesystem::path PathFromUtf8(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string PathToUtf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool FileExists(const std::string& path) {
    // Asking for the modification time rather than mere existence: it fails for
    // everything the program could not open either (no access, malformed name).
    if (path.empty()) {
        return false;
    }
    try {
        std::error_code error;
        [[maybe_unused]] const auto modified =
            std::filesystem::last_write_time(PathFromUtf8(path), error);
        return !error;
    } catch (...) {
        return false;
    }
}

void DeleteFileQuietly(const std::string& path) {
    if (path.empty()) {
        return;
    }
    try {
        const auto file = PathFromUtf8(path);
        if (!platform::DeleteOrdinary(file)) {
            platform::DeleteForced(file);
        }
    } catch (...) {
        // The caller asked for a best effort and learns nothing of the outcome.
    }
}

std::string SecondsToClock(std::int32_t seconds) {
    // 64 bits so that the magnitude of INT32_MIN is representable.
    std::int64_t timeOfDay = static_cast<std::int64_t>(seconds);
    if (timeOfDay < 0) {
        timeOfDay = -timeOfDay;
    }
    timeOfDay %= kSecondsPerDay;
    const int hours = static_cast<int>(timeOfDay / 3600);
    const int minutes = static_cast<int>(timeOfDay / 60 % 60);
    const int secs = static_cast<int>(timeOfDay % 60);
    // Written digit by digit: this runs every second, and printf's machinery costs more
    // than the rest of the tick's text.
    const auto twoDigits = [](int value, char* at) {
        at[0] = static_cast<char>('0' + value / 10);
        at[1] = static_cast<char>('0' + value % 10);
    };
    std::string text = "00:00:00";
    twoDigits(hours, &text[0]);
    twoDigits(minutes, &text[3]);
    twoDigits(secs, &text[6]);
    return text;
}

std::filesystem::path ProgramFile() {
    return platform::ExecutablePath();
}

std::filesystem::path ProgramFolder() {
    return ProgramFile().parent_path();
}

}  // namespace bytelora
