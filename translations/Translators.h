#pragma once

#include <QString>

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

}  // namespace bytelora
