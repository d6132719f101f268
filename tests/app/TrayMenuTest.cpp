// The tray icon's menu, its live tip, and the choice of interfaces on a real window.
#include <QApplication>
#include <QMenu>

#include <atomic>

#include "MainWindowRig.h"
#include "support/AppsWindowAnswer.h"
#include "tray/TrayMenu.h"
#include "views/AppsWindow.h"
#include "views/InterfacesDialog.h"

namespace bytelora::testing {
namespace {

constexpr std::uint64_t KB = 1024;

void RunQueued() {
    QApplication::processEvents();
}

TEST(TrayMenu, TheFormsMenuRestoresOpensTheDialogAndQuitsAsClosingDoes) {
    MainWindowRig rig;
    rig.settings.Preset("Windows Startup", "On");
    rig.settings.Preset("Minimized", "On");
    MainWindow& form = rig.Load();
    form.ShowAfterLoad();
    ASSERT_TRUE(form.HiddenInTray());
    TrayMenu* menu = form.TrayIconMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(rig.tray.Menu(), &menu->Menu());

    // A right click leaves the opening of the menu to the tray; the window stays hidden.
    rig.tray.RightClick();
    EXPECT_FALSE(form.isVisible());

    menu->InterfacesAction()->trigger();
    RunQueued();
    ASSERT_NE(form.InterfacesWindow(), nullptr);
    EXPECT_TRUE(form.InterfacesWindow()->isVisible());
    EXPECT_EQ(form.InterfacesWindow()->List->topLevelItem(0)->text(0), "eth0");
    EXPECT_FALSE(form.isVisible());
    form.InterfacesWindow()->close();

    menu->ShowAction()->trigger();
    RunQueued();
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.HiddenInTray());

    // Quit, hidden or shown, ends the program as the close box does.
    Minimise(form);
    ASSERT_FALSE(form.isVisible());
    menu->QuitAction()->trigger();
    RunQueued();
    EXPECT_TRUE(form.Ended());
    EXPECT_FALSE(form.loggingTimer.isActive());
    EXPECT_EQ(rig.tray.Count(FakeTrayBackend::Kind::DeleteIcon), 1u);
    EXPECT_FALSE(form.Tray()->InTray());
}

TEST(TrayMenu, ApplicationsOpensTheWindowThatAsksTheCounterOnlyWhileShown) {
    MainWindowRig rig;
    std::atomic<int> looks = 0;
    Services services = rig.MakeServices();
    services.appCounts = [&looks] {
        ++looks;
        return countd::FetchResult{std::nullopt, "no counter here"};
    };
    rig.form = std::make_unique<MainWindow>(services);
    MainWindow& form = *rig.form;
    QAction* entry = nullptr;
    for (QAction* action : form.TrayIconMenu()->Menu().actions()) {
        if (action->text() == QString::fromUtf8("Applications\u2026")) entry = action;
    }
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(form.ApplicationsWindow(), nullptr);
    entry->trigger();
    RunQueued();
    ASSERT_NE(form.ApplicationsWindow(), nullptr);
    EXPECT_TRUE(form.ApplicationsWindow()->isVisible());
    WaitForAppsAnswer(*form.ApplicationsWindow());
    EXPECT_EQ(looks, 1);
    EXPECT_EQ(form.ApplicationsWindow()->Notice().text(), "no counter here");
    form.ApplicationsWindow()->close();
    EXPECT_FALSE(form.ApplicationsWindow()->Refreshing());
    rig.form.reset();  // before the count its fake counter adds to
}

// The Language submenu: the stored choice ticked (a damaged value reads as System), and
// a pick stored for the next start.
TEST(TrayMenu, LanguageListsEachLanguageByItsOwnNameAndStoresThePick) {
    const auto languageMenu = [](MainWindow& form) -> QMenu* {
        for (QAction* action : form.TrayIconMenu()->Menu().actions()) {
            if (action->text() == "Language") return action->menu();
        }
        return nullptr;
    };
    const auto ticked = [](QMenu& menu) {
        QStringList texts;
        for (QAction* action : menu.actions()) {
            if (action->isChecked()) texts << action->text();
        }
        return texts;
    };
    {
        MainWindowRig rig;
        rig.settings.Preset("Language", "Klingon");
        QMenu* menu = languageMenu(rig.Load());
        ASSERT_NE(menu, nullptr);
        QStringList texts;
        for (QAction* action : menu->actions()) {
            texts << (action->isSeparator() ? QStringLiteral("--") : action->text());
        }
        EXPECT_EQ(
            texts,
            (QStringList{"System", "--", "English", QString::fromUtf8("\u7b80\u4f53\u4e2d\u6587"),
                         QString::fromUtf8("\u7e41\u9ad4\u4e2d\u6587"), "Deutsch",
                         QString::fromUtf8("Fran\u00e7ais"), QString::fromUtf8("Espa\u00f1ol"),
                         QString::fromUtf8("Portugu\u00eas (Brasil)"),
                         QString::fromUtf8("\u0420\u0443\u0441\u0441\u043a\u0438\u0439"),
                         QString::fromUtf8("\u65e5\u672c\u8a9e"), "--",
                         "A new language shows at the next start."}));
        EXPECT_EQ(ticked(*menu), QStringList{"System"});
        EXPECT_FALSE(menu->actions().last()->isEnabled());
        for (QAction* action : menu->actions()) {
            if (action->text() == "Deutsch") action->trigger();
        }
        RunQueued();
        EXPECT_EQ(rig.settings.Value("Language"), "de");
        EXPECT_EQ(ticked(*menu), QStringList{"Deutsch"});
    }
    MainWindowRig rig;
    rig.settings.Preset("Language", "ja");
    QMenu* menu = languageMenu(rig.Load());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(ticked(*menu), QStringList{QString::fromUtf8("\u65e5\u672c\u8a9e")});
    menu->actions().first()->trigger();
    RunQueued();
    EXPECT_EQ(rig.settings.Value("Language"), "System");
}

TEST(TrayMenu, TheTipShowsTheRatesAndIsSentOnlyWhenItChanges) {
    MainWindowRig rig;
    MainWindow& form = rig.Load();
    form.UpdateInterfaceInfo();
    const auto second = [&](std::uint64_t down, std::uint64_t up) {
        rig.clock.Advance(std::chrono::seconds(1));
        rig.table.AddOctets(0, down, up);
        form.UpdateInterfaceInfo();
        form.OnMeterTick();
        form.UpdateTrayTip();
    };
    rig.tray.ClearCalls();
    second(120 * KB, 3 * KB);
    second(120 * KB, 3 * KB);
    second(120 * KB, 3 * KB);
    second(0, 0);
    std::vector<QString> tips;
    for (const auto& call : rig.tray.calls()) {
        if (call.kind == FakeTrayBackend::Kind::ChangeTip) tips.push_back(call.tip);
    }
    EXPECT_EQ(tips, (std::vector<QString>{
                        QString::fromUtf8("Bytelora \u2014 Download: 120 Kb/s, Upload: 3 Kb/s"),
                        QString::fromUtf8("Bytelora \u2014 Download: 0 Kb/s, Upload: 0 Kb/s")}));
    // The picture is never sent again with a tip.
    EXPECT_EQ(rig.tray.Count(FakeTrayBackend::Kind::ChangeIcon), 0u);
}

TEST(TrayMenu, TheStoredChoiceCountsOnlyItsInterfacesAndANewOneMakesNoJump) {
    MainWindowRig rig;
    rig.table.AddRow("wlan0", 3, kIfTypeWireless, 0, 0);
    rig.settings.Preset("Interfaces", "wlan0");
    MainWindow& form = rig.Load();
    form.UpdateInterfaceInfo();
    rig.table.AddOctets(0, 500 * KB, 0);  // eth0
    rig.table.AddOctets(1, 7 * KB, 0);    // wlan0
    form.UpdateInterfaceInfo();
    EXPECT_EQ(form.receivedKbLabel->text(), "7");

    // Both from now on: eth0 starts from where it stands, so the total does not jump.
    form.ChooseInterfaces({"eth0", "wlan0"});
    EXPECT_EQ(rig.settings.Value("Interfaces"), "eth0, wlan0");
    form.UpdateInterfaceInfo();
    EXPECT_EQ(form.receivedKbLabel->text(), "7");
    rig.table.AddOctets(0, 10 * KB, 0);
    form.UpdateInterfaceInfo();
    EXPECT_EQ(form.receivedKbLabel->text(), "17");

    form.ChooseInterfaces({});
    EXPECT_EQ(rig.settings.Value("Interfaces"), "");
    EXPECT_EQ(rig.ErrorBoxCount(), 0);
    EXPECT_TRUE(rig.boxes.shown().empty());
}

TEST(TrayMenu, ADamagedStoredChoiceCountsAutomaticallyWithOneMessageAndIsKept) {
    MainWindowRig rig;
    rig.settings.Preset("Interfaces", "eth0,,wlan0");
    MainWindow& form = rig.Load();
    ASSERT_EQ(rig.boxes.shown().size(), 1u);
    EXPECT_NE(rig.boxes.shown()[0].text.find("\"eth0,,wlan0\""), std::string::npos);
    form.UpdateInterfaceInfo();
    rig.table.AddOctets(0, 3 * KB, 0);
    form.UpdateInterfaceInfo();
    EXPECT_EQ(form.receivedKbLabel->text(), "3");
    for (int i = 0; i < 8; ++i) form.UpdateInterfaceInfo();
    EXPECT_EQ(rig.boxes.shown().size(), 1u);
    EXPECT_EQ(rig.settings.Value("Interfaces"), "eth0,,wlan0");
    for (const auto& key : rig.settings.writtenKeys()) EXPECT_NE(key, "Interfaces");
}

}  // namespace
}  // namespace bytelora::testing
