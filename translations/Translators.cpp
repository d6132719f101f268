#include "translations/Translators.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <vector>

#include "common/Translate.h"
#include "translations/LanguageChoice.h"

namespace bytelora {

namespace {

bool translated = false;

// Loads one translation file and hands it to the application, which keeps it for the
// life of the program; a file that is not there leaves those texts in English.
void Install(const QString& file, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator)) return;
    delete translator;
}

// The rooms in standard C++ ask for their texts through this.
std::string TranslatedText(const char* context, const char* text, const char* disambiguation,
                           int count) {
    return QCoreApplication::translate(context, text, disambiguation, count).toStdString();
}

}  // namespace

QString InstallTranslations(const std::string& choice) {
    std::vector<std::string> preferred;
    for (const QString& language : QLocale::system().uiLanguages()) {
        preferred.push_back(language.toStdString());
    }
    const QString code = QString::fromStdString(TranslationFor(choice, preferred));
    if (code.isEmpty()) return code;
    Install(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    auto* translator = new QTranslator(QCoreApplication::instance());
    // A language whose translation holds nothing yet shows English, as designed.
    if (translator->load(QStringLiteral("bytelora_") + code, QStringLiteral(":/i18n")) &&
        !translator->isEmpty()) {
        InstallBytelorasTranslation(translator);
    } else {
        delete translator;
    }
    return code;
}

void InstallBytelorasTranslation(QTranslator* translator) {
    if (!QCoreApplication::installTranslator(translator)) return;
    InstallTextTranslator(&TranslatedText);
    translated = true;
}

void RemoveBytelorasTranslation(QTranslator* translator) {
    QCoreApplication::removeTranslator(translator);
    InstallTextTranslator(nullptr);
    translated = false;
}

bool ShowsTranslatedTexts() {
    return translated;
}

}  // namespace bytelora
