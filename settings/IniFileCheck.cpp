#include "settings/IniFileCheck.h"

#include "common/PlatformFiles.h"
#include "common/Translate.h"
#include "settings/Utf8Check.h"

#include <system_error>

namespace bytelora {

namespace {

std::string_view Trim(std::string_view line) {
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = line.find_last_not_of(" \t");
    return line.substr(first, last - first + 1);
}

bool EndsWithContinuation(std::string_view line) {
    std::size_t backslashes = 0;
    for (auto it = line.rbegin(); it != line.rend() && *it == '\\'; ++it) ++backslashes;
    return backslashes % 2 == 1;
}

std::string LineProblem(std::size_t number, const char* what) {
    return FillIn(Translate("bytelora::Settings", "line %1 %2"),
                  {std::to_string(number), Translate("bytelora::Settings", what)});
}

}  // namespace

std::string FindIniTextProblem(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    if (text.find('\0') != std::string_view::npos)
        return Translate("bytelora::Settings", "holds binary data");
    if (!IsValidUtf8(text)) return Translate("bytelora::Settings", "is not UTF-8 text");

    bool continued = false;
    std::size_t number = 0;
    for (std::size_t start = 0; start < text.size();) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        if (continued) {
            continued = EndsWithContinuation(line);
            continue;
        }
        const auto trimmed = Trim(line);
        if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') continue;
        if (trimmed.front() == '[') {
            if (trimmed.back() != ']' || trimmed.size() < 3) {
                return LineProblem(number, BYTELORA_TEXT_NOOP("bytelora::Settings",
                                                              "is not a complete [section] line"));
            }
            continue;
        }
        const auto equals = trimmed.find('=');
        if (equals == std::string_view::npos) {
            return LineProblem(
                number,
                BYTELORA_TEXT_NOOP("bytelora::Settings", "is not a [section] or a key=value line"));
        }
        if (Trim(trimmed.substr(0, equals)).empty()) {
            return LineProblem(
                number, BYTELORA_TEXT_NOOP("bytelora::Settings", "has a value without a key"));
        }
        continued = EndsWithContinuation(line);
    }
    return {};
}

IniFileCheck CheckIniFile(const std::filesystem::path& file) {
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    if (status.type() == std::filesystem::file_type::not_found) {
        return {IniFileCheck::State::Missing, {}};
    }
    if (ec) {
        return {
            IniFileCheck::State::Unreadable,
            FillIn(Translate("bytelora::Settings", "cannot be looked at (%1)"), {ec.message()})};
    }
    if (std::filesystem::is_directory(status)) {
        return {IniFileCheck::State::Unreadable,
                Translate("bytelora::Settings", "is a folder, not a file")};
    }
    if (!std::filesystem::is_regular_file(status)) {
        return {IniFileCheck::State::Unreadable,
                Translate("bytelora::Settings", "is not a regular file")};
    }
    std::string text;
    switch (platform::ReadWholeFile(file, text)) {
        case platform::ReadOutcome::CannotOpen:
            return {IniFileCheck::State::Unreadable,
                    Translate("bytelora::Settings", "cannot be opened for reading")};
        case platform::ReadOutcome::CannotRead:
            return {IniFileCheck::State::Unreadable,
                    Translate("bytelora::Settings", "cannot be read")};
        case platform::ReadOutcome::Read:
            break;
    }
    if (auto problem = FindIniTextProblem(text); !problem.empty()) {
        return {IniFileCheck::State::Damaged, std::move(problem)};
    }
    return {IniFileCheck::State::Valid, {}};
}

}  // namespace bytelora
