#include "tray/TrayMenu.h"

namespace bytelora {

TrayMenu::TrayMenu(QObject* parent) : QObject(parent) {
    menu_.setObjectName(QStringLiteral("TrayMenu"));
    show_ = menu_.addAction(tr("Show Bytelora"));
    QFont bold = show_->font();
    bold.setBold(true);
    show_->setFont(bold);
    menu_.setDefaultAction(show_);
    interfaces_ = menu_.addAction(tr("Interfaces\u2026"));
    entriesStart_ = menu_.addSeparator();
    entriesStart_->setVisible(false);
    entriesEnd_ = menu_.addSeparator();
    quit_ = menu_.addAction(tr("Quit"));

    // Queued: the menu closes and its own event handling ends before a window opens
    // or the program ends.
    connect(show_, &QAction::triggered, this, &TrayMenu::ShowRequested, Qt::QueuedConnection);
    connect(interfaces_, &QAction::triggered, this, &TrayMenu::InterfacesRequested,
            Qt::QueuedConnection);
    connect(quit_, &QAction::triggered, this, &TrayMenu::QuitRequested, Qt::QueuedConnection);
}

QAction* TrayMenu::AddEntry(const QString& text) {
    auto* action = new QAction(text, &menu_);
    menu_.insertAction(entriesEnd_, action);
    entriesStart_->setVisible(true);
    return action;
}

QMenu* TrayMenu::AddSubmenu(const QString& title) {
    auto* submenu = new QMenu(title, &menu_);
    menu_.insertMenu(entriesEnd_, submenu);
    entriesStart_->setVisible(true);
    return submenu;
}

}  // namespace bytelora
