#include "tray/TrayMenu.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "tray/TrayText.h"

namespace bytelora {
namespace {

QStringList Entries(QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        texts << (action->isSeparator() ? (action->isVisible() ? "--" : "(--)") : action->text());
    }
    return texts;
}

TEST(TrayMenu, HoldsItsEntriesInOrderAndTakesOthersAboveQuit) {
    TrayMenu menu;
    EXPECT_EQ(Entries(menu.Menu()),
              (QStringList{"Show Bytelora", QString::fromUtf8("Interfaces\u2026"), "(--)", "--",
                           "Quit"}));
    EXPECT_EQ(menu.Menu().defaultAction(), menu.ShowAction());
    EXPECT_TRUE(menu.ShowAction()->font().bold());

    QAction* first = menu.AddEntry(QString::fromUtf8("Data usage\u2026"));
    menu.AddEntry("Reset usage");
    EXPECT_EQ(Entries(menu.Menu()),
              (QStringList{"Show Bytelora", QString::fromUtf8("Interfaces\u2026"), "--",
                           QString::fromUtf8("Data usage\u2026"), "Reset usage", "--", "Quit"}));
    EXPECT_EQ(first->parent(), &menu.Menu());

    // Each fixed entry reports once, after the menu's own handling has ended.
    int show = 0, interfaces = 0, quit = 0;
    QObject::connect(&menu, &TrayMenu::ShowRequested, [&] { ++show; });
    QObject::connect(&menu, &TrayMenu::InterfacesRequested, [&] { ++interfaces; });
    QObject::connect(&menu, &TrayMenu::QuitRequested, [&] { ++quit; });
    menu.QuitAction()->trigger();
    EXPECT_EQ(quit, 0);
    QApplication::processEvents();
    menu.ShowAction()->trigger();
    menu.InterfacesAction()->trigger();
    QApplication::processEvents();
    EXPECT_EQ(show, 1);
    EXPECT_EQ(interfaces, 1);
    EXPECT_EQ(quit, 1);
}

TEST(TrayText, TheRatesTipNamesTheProductAndBothRates) {
    EXPECT_EQ(RatesTipText("Bytelora", "120 Kb/s", " 3 Kb/s"),
              QString::fromUtf8("Bytelora \u2014 Download: 120 Kb/s, Upload: 3 Kb/s"));
}

}  // namespace
}  // namespace bytelora
