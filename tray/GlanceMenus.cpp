#include "tray/GlanceMenus.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>

#include <utility>

namespace bytelora {

namespace {

// One radio entry; the pick is handed on once the menu has closed, as the fixed
// entries' are.
template <typename Choice>
void AddChoice(QMenu& submenu, QActionGroup& group, const QString& text, Choice value,
               Choice current, const std::function<void(Choice)>& chosen) {
    QAction* action = submenu.addAction(text);
    action->setCheckable(true);
    action->setChecked(value == current);
    group.addAction(action);
    QObject::connect(
        action, &QAction::triggered, &submenu, [chosen, value] { chosen(value); },
        Qt::QueuedConnection);
}

}  // namespace

QMenu* AddIconShowsMenu(TrayMenu& menu, TrayIconShows current,
                        std::function<void(TrayIconShows)> chosen) {
    QMenu* submenu = menu.AddSubmenu(QCoreApplication::translate("GlanceMenus", "Icon Shows"));
    submenu->setObjectName(QStringLiteral("IconShowsMenu"));
    auto* group = new QActionGroup(submenu);
    AddChoice(*submenu, *group, QCoreApplication::translate("GlanceMenus", "Logo"),
              TrayIconShows::Logo, current, chosen);
    AddChoice(*submenu, *group, QCoreApplication::translate("GlanceMenus", "Rates"),
              TrayIconShows::Rates, current, chosen);
    AddChoice(*submenu, *group, QCoreApplication::translate("GlanceMenus", "Graph"),
              TrayIconShows::Graph, current, chosen);
    return submenu;
}

QMenu* AddUnitsMenu(TrayMenu& menu, RateUnits current, std::function<void(RateUnits)> chosen) {
    QMenu* submenu = menu.AddSubmenu(QCoreApplication::translate("GlanceMenus", "Units"));
    submenu->setObjectName(QStringLiteral("UnitsMenu"));
    auto* group = new QActionGroup(submenu);
    AddChoice(*submenu, *group, QCoreApplication::translate("GlanceMenus", "Bytes per second"),
              RateUnits::Bytes, current, chosen);
    AddChoice(*submenu, *group, QCoreApplication::translate("GlanceMenus", "Bits per second"),
              RateUnits::Bits, current, chosen);
    return submenu;
}

}  // namespace bytelora
