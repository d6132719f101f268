#pragma once

#include <QString>
#include <QTranslator>

#include <string>

namespace bytelora {

// Installs, for the whole program, the translation of Bytelora's texts and Qt's own
// (standard buttons, context menus) for a Language choice ("System" follows the
// system's languages: LANGUAGE, LC_ALL, LC_MESSAGES and LANG on Linux, the user's
// display language on Windows). Bytelora's translations are built into the program;
// Qt's come from Qt's translations folder where they are installed. Returns the code of
// the language installed, empty for English. Call once, after the application object
// is made and before any window or text is.
QString InstallTranslations(const std::string& choice);

// Hands one translation of Bytelora's texts to the whole program (Qt's and the standard
// C++ rooms' texts alike); the application keeps it. InstallTranslations uses it, and the
// tests, with translations of their own.
void InstallBytelorasTranslation(QTranslator* translator);
// Takes it back (the tests': the program keeps its translation to the end).
void RemoveBytelorasTranslation(QTranslator* translator);

// Whether a translation of Bytelora's texts was installed: the windows designed around
// the English texts make room for longer ones only then, so English never moves.
bool ShowsTranslatedTexts();

}  // namespace bytelora
