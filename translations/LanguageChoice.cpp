#include "translations/LanguageChoice.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace bytelora {

namespace {

constexpr char kEnglish[] = "en";

constexpr std::array kLanguages{
    Language{kEnglish, "English"},
    Language{"zh_CN", "\u7b80\u4f53\u4e2d\u6587"},
    Language{"zh_TW", "\u7e41\u9ad4\u4e2d\u6587"},
    Language{"de", "Deutsch"},
    Language{"fr", "Fran\u00e7ais"},
    Language{"es", "Espa\u00f1ol"},
    Language{"pt_BR", "Portugu\u00eas (Brasil)"},
    Language{"ru", "\u0420\u0443\u0441\u0441\u043a\u0438\u0439"},
    Language{"ja", "\u65e5\u672c\u8a9e"},
};

// The parts of a language tag in either form ("zh-Hant-TW", "pt_BR.UTF-8@euro"),
// without its character set and modifier.
std::vector<std::string> TagParts(const std::string& tag) {
    const std::string bare = tag.substr(0, tag.find_first_of(".@"));
    std::vector<std::string> parts;
    std::string part;
    for (const char c : bare) {
        if (c == '-' || c == '_') {
            parts.push_back(part);
            part.clear();
        } else {
            part += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    parts.push_back(part);
    return parts;
}

bool Has(const std::vector<std::string>& parts, const char* part) {
    return std::find(parts.begin() + 1, parts.end(), part) != parts.end();
}

// The code for one preferred language: a translation's code, kEnglish, or empty when
// Bytelora does not speak it. Chinese is Traditional by its script or by the regions
// that write it; Portuguese of any region reads the Brazilian translation.
std::string CodeFor(const std::string& tag) {
    const std::vector<std::string> parts = TagParts(tag);
    const std::string& language = parts.front();
    if (language == "en" || language == "c" || language == "posix") return kEnglish;
    if (language == "zh") {
        const bool traditional =
            Has(parts, "hant") || Has(parts, "tw") || Has(parts, "hk") || Has(parts, "mo");
        return traditional ? "zh_TW" : "zh_CN";
    }
    if (language == "pt") return "pt_BR";
    for (const Language& known : kLanguages) {
        if (language == known.code) return language;
    }
    return {};
}

}  // namespace

std::span<const Language> Languages() {
    return kLanguages;
}

std::string ReadLanguageChoice(const std::string& stored) {
    for (const Language& known : kLanguages) {
        if (stored == known.code) return stored;
    }
    return kSystemLanguage;
}

std::string TranslationFor(const std::string& choice, const std::vector<std::string>& preferred) {
    const std::string chosen = ReadLanguageChoice(choice);
    if (chosen != kSystemLanguage) return chosen == kEnglish ? std::string() : chosen;
    for (const std::string& tag : preferred) {
        const std::string code = CodeFor(tag);
        if (code == kEnglish) return {};
        if (!code.empty()) return code;
    }
    return {};
}

}  // namespace bytelora
