// The tray icon's menu, its live tip, and the choice of interfaces that the menu's
// "Interfaces..." dialog makes.
#include <functional>
#include <map>
#include <string>

#include "app/LanguageMenu.h"
#include "app/MainWindow.h"
#include "app/MainWindowParts.h"
#include "common/AppText.h"
#include "settings/InterfaceChoice.h"
#include "tray/TrayText.h"
#include "usage/UsageSession.h"

namespace bytelora {

namespace {

// The form of a handler step that MainWindow's failure guard is built for.
std::function<void()> Step(std::function<void()> step) {
    return step;
}

}  // namespace

void MainWindow::WireTrayMenu() {
    parts_->trayMenu = std::make_unique<TrayMenu>();
    TrayMenu& menu = *parts_->trayMenu;
    connect(&menu, &TrayMenu::ShowRequested, this,
            [this] { RunUnguarded(Step([&] { OnTrayMouseUp(1, 0); })); });
    connect(&menu, &TrayMenu::InterfacesRequested, this,
            [this] { RunUnguarded(Step([&] { ShowInterfacesDialog(); })); });
    // Queued, as the fixed entries are: the window opens once the menu has closed.
    connect(
        menu.AddEntry(tr("Data usage\u2026")), &QAction::triggered, this,
        [this] { RunUnguarded(Step([&] { ShowUsageWindow(); })); }, Qt::QueuedConnection);
    connect(
        menu.AddEntry(tr("Applications\u2026")), &QAction::triggered, this,
        [this] { RunUnguarded(Step([&] { ShowAppsWindow(); })); }, Qt::QueuedConnection);
    WireGlanceMenus();
    WireRatesWindow();
    AddLanguageMenu(menu, parts_->settings, services_.boxes);
    // Quitting is closing the window: the same shutdown, whether it is shown or hidden.
    connect(&menu, &TrayMenu::QuitRequested, this, [this] { close(); });
    services_.tray.SetMenu(&menu.Menu());
}

TrayMenu* MainWindow::TrayIconMenu() const {
    return parts_->trayMenu.get();
}

InterfacesDialog* MainWindow::InterfacesWindow() const {
    return parts_->interfacesDialog.get();
}

void MainWindow::UpdateTrayTip() {
    if (!parts_->tray) return;
    const QString tip = RatesTipText(QString::fromLatin1(kProductName), downloadRateLabel->text(),
                                     uploadRateLabel->text());
    // Every tip sent makes some desktops redraw the icon: only a new text is sent.
    if (tip == parts_->tray->TrayTip()) return;
    RunUnguarded(Step([&] { parts_->tray->TrayTip(tip); }));
}

void MainWindow::LoadInterfaceChoice() {
    const std::string stored = parts_->settings.Get(kInterfacesKey, kInterfacesDefault);
    if (const auto names = ParseInterfaceChoice(stored)) {
        parts_->watch->Selection().Choose(*names);
        return;
    }
    // The automatic choice stands in; the stored value waits for the user's next choice.
    services_.boxes.Show(AppTitle(), DamagedInterfaceChoiceMessage(stored), BoxIcon::Warning);
}

void MainWindow::ShowInterfacesDialog() {
    if (!parts_->watch || !parts_->ipHelper) return;
    if (!parts_->interfacesDialog) {
        parts_->interfacesDialog = std::make_unique<InterfacesDialog>();
        parts_->interfacesDialog->setWindowIcon(windowIcon());
        connect(parts_->interfacesDialog.get(), &InterfacesDialog::ChoiceAccepted, this,
                [this](const std::vector<std::string>& names) {
                    RunUnguarded(Step([&] { ChooseInterfaces(names); }));
                });
    }
    // A fresh read, decided as the sampler decides it; the sampler's next read is
    // decided again, so this changes nothing for the totals.
    const auto table = parts_->ipHelper->Interfaces();
    InterfaceSelection& selection = parts_->watch->Selection();
    selection.Update(*table);
    // What the automatic choice would count, for the dialog's "automatic" ticks.
    InterfaceSelection automatic(services_.interfaceTable.Probe());
    automatic.Update(*table);
    // An adapter that is away now is named by the alias the history last saw for it.
    const std::map<std::string, std::string> aliases =
        DataUsage() ? DataUsage()->Aliases() : std::map<std::string, std::string>{};
    parts_->interfacesDialog->ShowInterfaces(*table, selection, &automatic, aliases);
    parts_->interfacesDialog->show();
    parts_->interfacesDialog->raise();
    parts_->interfacesDialog->activateWindow();
}

void MainWindow::ChooseInterfaces(const std::vector<std::string>& names) {
    parts_->watch->Selection().Choose(names);
    StoreSetting(kInterfacesKey, InterfaceChoiceText(names));
}

}  // namespace bytelora
