#pragma once

#include <span>
#include <string>
#include <vector>

namespace bytelora {

// The setting that overrides the system's language, and its default.
inline constexpr char kLanguageKey[] = "Language";
inline constexpr char kSystemLanguage[] = "System";

// A language Bytelora can be shown in: the code of its translation file
// (bytelora_<code>.qm; English, the source language, has none) and its name as its
// own speakers write it, for the Language menu.
struct Language {
    const char* code;
    const char* ownName;
};

// English first, then the translations, in the Language menu's order.
std::span<const Language> Languages();

// The stored choice as it is used: a language's code, or "System" for a missing,
// unknown or damaged value.
std::string ReadLanguageChoice(const std::string& stored);

// The code of the translation to load for a choice: the chosen language itself, or for
// "System" the first of the user's languages (most preferred first, as "de-DE",
// "zh-Hant-TW" or "pt_BR.UTF-8") that Bytelora speaks. Empty means English: chosen, or
// preferred before any translated language, or nothing matched.
std::string TranslationFor(const std::string& choice, const std::vector<std::string>& preferred);

}  // namespace bytelora
