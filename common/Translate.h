#pragma once

#include <initializer_list>
#include <string>

// Texts a person reads, from the rooms in standard C++. They are written in English and
// marked for Qt's translation tools, which collect them like QCoreApplication::translate
// (lupdate is told that Translate and BYTELORA_TEXT_NOOP are its functions):
//   Translate("bytelora::HistoryLog", "The history log %1 cannot be written.")
// translates now; BYTELORA_TEXT_NOOP(context, text) only marks a text (a table entry)
// that the window or bytelora-cli translates where it shows it. Until a program installs
// a translator (translations/Translators.cpp does, once, at start) every text stays the
// English written here, which is what the tests and the machine-readable outputs see.
#define BYTELORA_TEXT_NOOP(context, text) text

namespace bytelora {

// context, English text, disambiguation (or nullptr), count for %n (or -1): the text
// in the user's language, as UTF-8, with %n replaced by the count.
using TextTranslator = std::string (*)(const char* context, const char* text,
                                       const char* disambiguation, int count);

// Installed once at start, before any other thread runs; nullptr goes back to English.
void InstallTextTranslator(TextTranslator translator);

std::string Translate(const char* context, const char* text, const char* disambiguation = nullptr,
                      int count = -1);

// Puts the values in place of %1, %2, ... (%1 is the first value), as QString::arg does.
std::string FillIn(std::string text, std::initializer_list<std::string> values);

}  // namespace bytelora
