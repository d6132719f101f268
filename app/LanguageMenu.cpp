#include "app/LanguageMenu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include <string>

#include "common/AppText.h"
#include "settings/SaveOrTell.h"
#include "translations/LanguageChoice.h"
#include "tray/TrayMenu.h"

namespace bytelora {

namespace {

QString Text(const char* text) {
    return QCoreApplication::translate("bytelora::LanguageMenu", text);
}

}  // namespace

void AddLanguageMenu(TrayMenu& trayMenu, Settings& settings, MessageBoxes& boxes) {
    QAction* entry =
        trayMenu.AddEntry(Text(QT_TRANSLATE_NOOP("bytelora::LanguageMenu", "Language")));
    auto* menu = new QMenu(&trayMenu.Menu());
    menu->setObjectName(QStringLiteral("LanguageMenu"));
    entry->setMenu(menu);
    auto* choices = new QActionGroup(menu);
    const std::string stored = ReadLanguageChoice(settings.Get(kLanguageKey, kSystemLanguage));
    const auto add = [&](const QString& text, const std::string& choice) {
        QAction* action = menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(choice == stored);
        choices->addAction(action);
        // Queued, as the menu's other entries are: a box that tells a failed save opens
        // once the menu has closed.
        QObject::connect(
            action, &QAction::triggered, menu,
            [&settings, &boxes, choice] {
                SaveOrTell(settings, boxes, kProductName, kLanguageKey, choice);
            },
            Qt::QueuedConnection);
    };
    add(Text(QT_TRANSLATE_NOOP("bytelora::LanguageMenu", "System")), kSystemLanguage);
    menu->addSeparator();
    for (const Language& language : Languages()) {
        add(QString::fromUtf8(language.ownName), language.code);
    }
    menu->addSeparator();
    menu->addAction(Text(QT_TRANSLATE_NOOP("bytelora::LanguageMenu",
                                           "A new language shows at the next start.")))
        ->setEnabled(false);
}

}  // namespace bytelora
