#include "common/Translate.h"

#include <atomic>
#include <vector>

namespace bytelora {

namespace {

std::atomic<TextTranslator> installedTranslator{nullptr};

// English keeps the count in place of %n, as Qt does without a translation.
std::string WithCount(std::string text, int count) {
    if (count < 0) return text;
    const std::string number = std::to_string(count);
    for (std::size_t at = text.find("%n"); at != std::string::npos;
         at = text.find("%n", at + number.size())) {
        text.replace(at, 2, number);
    }
    return text;
}

}  // namespace

void InstallTextTranslator(TextTranslator translator) {
    installedTranslator.store(translator);
}

std::string Translate(const char* context, const char* text, const char* disambiguation,
                      int count) {
    if (const TextTranslator translator = installedTranslator.load())
        return translator(context, text, disambiguation, count);
    return WithCount(text, count);
}

std::string FillIn(std::string text, std::initializer_list<std::string> values) {
    const std::vector<std::string> given(values);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        // %1..%9: a value put in whole, never scanned again for markers of its own.
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const std::size_t index = static_cast<std::size_t>(text[i + 1] - '1');
            if (index < given.size()) {
                out += given[index];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace bytelora
