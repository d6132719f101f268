#include "tray/TrayGlance.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>

#include "support/TextDrawing.h"
#include "tray/GlanceMenus.h"
#include "tray/TrayMenu.h"

namespace bytelora {
namespace {

TEST(TrayGlance, OnlyAChangedPictureIsHandedOutAgain) {
    if (!testing::TextIsDrawn()) GTEST_SKIP() << "no font draws text on this platform";
    TrayGlance glance;
    EXPECT_TRUE(glance.Changed());  // nothing handed out yet: the logo goes first
    EXPECT_FALSE(glance.TakeIcon().isNull());
    glance.AddSecond("85K", "1.2M", 85, 1200);
    EXPECT_FALSE(glance.Changed());  // the logo does not move with the rates

    glance.Show(TrayIconShows::Rates);
    ASSERT_TRUE(glance.Changed());
    const QImage first = glance.TakeIcon().pixmap(QSize(24, 24), 1.0).toImage();
    glance.AddSecond("85K", "1.2M", 86, 1190);  // other kilobytes, the same texts
    EXPECT_FALSE(glance.Changed());
    glance.AddSecond("86K", "1.2M", 86, 1190);
    ASSERT_TRUE(glance.Changed());
    EXPECT_NE(glance.TakeIcon().pixmap(QSize(24, 24), 1.0).toImage(), first);
    EXPECT_FALSE(glance.Changed());

    glance.Show(TrayIconShows::Logo);
    EXPECT_TRUE(glance.Changed());
    glance.TakeIcon();
    glance.Show(TrayIconShows::Rates);
    EXPECT_TRUE(glance.Changed());  // back to the rates: sent again, the tray shows the logo
}

TEST(TrayGlance, TheGraphMovesWithTrafficAndStandsStillWithout) {
    TrayGlance glance;
    glance.Show(TrayIconShows::Graph);
    glance.TakeIcon();
    // Quiet from the start: nothing to send, second after second.
    for (int second = 0; second < 100; ++second) {
        glance.AddSecond("0", "0", 0, 0);
        ASSERT_FALSE(glance.Changed()) << second;
    }
    // Traffic scrolls through; it keeps changing the picture until it has left the
    // history, then the picture stands still again.
    glance.AddSecond("1.0M", "0", 1024, 0);
    EXPECT_TRUE(glance.Changed());
    glance.TakeIcon();
    int changes = 0;
    for (int second = 0; second < 2 * kGlanceHistorySeconds; ++second) {
        glance.AddSecond("0", "0", 0, 0);
        if (glance.Changed()) {
            ++changes;
            glance.TakeIcon();
        }
    }
    EXPECT_EQ(changes, kGlanceHistorySeconds);
}

TEST(GlanceMenus, IconShowsAndUnitsAreRadioChoicesInTheEntriesPlace) {
    TrayMenu menu;
    menu.AddEntry("Data usage");
    std::vector<TrayIconShows> shows;
    std::vector<RateUnits> units;
    QMenu* iconShows = AddIconShowsMenu(menu, TrayIconShows::Rates,
                                        [&](TrayIconShows pick) { shows.push_back(pick); });
    QMenu* unitsMenu =
        AddUnitsMenu(menu, RateUnits::Bits, [&](RateUnits pick) { units.push_back(pick); });

    QStringList entries;
    for (const QAction* action : menu.Menu().actions()) {
        if (!action->isSeparator()) entries << action->text();
    }
    EXPECT_EQ(entries, (QStringList{"Show Bytelora", QString::fromUtf8("Interfaces\u2026"),
                                    "Data usage", "Icon Shows", "Units", "Quit"}));

    QStringList texts;
    QStringList checked;
    for (QAction* action : iconShows->actions() + unitsMenu->actions()) {
        texts << action->text();
        EXPECT_TRUE(action->isCheckable());
        if (action->isChecked()) checked << action->text();
    }
    EXPECT_EQ(texts,
              (QStringList{"Logo", "Rates", "Graph", "Bytes per second", "Bits per second"}));
    EXPECT_EQ(checked, (QStringList{"Rates", "Bits per second"}));

    // A pick checks that entry alone and is told once the menu's own handling is over.
    iconShows->actions().at(2)->trigger();
    unitsMenu->actions().at(0)->trigger();
    EXPECT_TRUE(shows.empty());
    QApplication::processEvents();
    EXPECT_EQ(shows, std::vector<TrayIconShows>{TrayIconShows::Graph});
    EXPECT_EQ(units, std::vector<RateUnits>{RateUnits::Bytes});
    EXPECT_FALSE(iconShows->actions().at(1)->isChecked());
    EXPECT_TRUE(iconShows->actions().at(2)->isChecked());
}

}  // namespace
}  // namespace bytelora
