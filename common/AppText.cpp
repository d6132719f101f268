#include "common/AppText.h"

#include <cstddef>
#include <string_view>

namespace bytelora {

namespace {

constexpr std::size_t kMaxTitleLength = 40;

// Characters that Windows forbids in file names, plus the punctuation that makes a
// name awkward to type or to quote on a command line.
constexpr std::string_view kUnwantedInFileName = "$/\\*:?<>|#' .,\"()-+=%;{}\t";

std::string TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

// Length in characters, not bytes, so that a name with accented letters is measured
// the way the user reads it.
std::size_t CharacterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (const char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0U) != 0x80U) {
            ++count;
        }
    }
    return count;
}

std::string& StoredAppTitle() {
    static std::string title = kProductName;
    return title;
}

}  // namespace

std::string StripTrailingWord(const std::string& text, const std::string& word) {
    const auto blank = text.rfind(' ');
    if (blank == std::string::npos) {
        return text;
    }
    const std::string_view view(text);
    if (word.empty() || TrimBlanks(view.substr(blank)) == word) {
        return TrimBlanks(view.substr(0, blank + 1));
    }
    return text;
}

std::string CleanFileName(const std::string& text) {
    std::string clean;
    clean.reserve(text.size());
    for (const char c : text) {
        if (kUnwantedInFileName.find(c) == std::string_view::npos) {
            clean += c;
        }
    }
    return clean;
}

std::string MakeAppTitle(const std::string& productName) {
    // Words go from the end, at least one, until the title fits; a name with no blank
    // (or whose only blank leads it) has no word to spare and stays whole.
    std::string title = productName;
    do {
        const auto blank = title.rfind(' ');
        if (blank == std::string::npos || blank == 0) {
            break;
        }
        title.erase(blank);
    } while (CharacterCount(title) > kMaxTitleLength);
    return title;
}

void SetAppTitle() {
    StoredAppTitle() = MakeAppTitle(kProductName);
}

const std::string& AppTitle() {
    return StoredAppTitle();
}

}  // namespace bytelora
