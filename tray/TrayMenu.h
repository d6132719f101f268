#pragma once

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QString>

namespace bytelora {

// The tray icon's context menu:
//
//   Show Bytelora        (bold: what a left click does)
//   Interfaces...
//   ---------------      (shown once an entry is added below it)
//   <added entries>      e.g. the data-usage windows
//   ---------------
//   Quit
//
// Other subsystems put their entries in the kept place with AddEntry and connect to the
// returned action; the fixed entries report through the signals.
class TrayMenu : public QObject {
    Q_OBJECT

  public:
    explicit TrayMenu(QObject* parent = nullptr);

    QMenu& Menu() { return menu_; }
    QAction* ShowAction() const { return show_; }
    QAction* InterfacesAction() const { return interfaces_; }
    QAction* QuitAction() const { return quit_; }

    // Adds an entry in the place kept for other subsystems, below the ones added
    // before it and above "Quit".
    QAction* AddEntry(const QString& text);
    // Adds a submenu in the same place; the menu owns it.
    QMenu* AddSubmenu(const QString& title);

  signals:
    void ShowRequested();
    void InterfacesRequested();
    void QuitRequested();

  private:
    QMenu menu_;
    QAction* show_ = nullptr;
    QAction* interfaces_ = nullptr;
    QAction* entriesStart_ = nullptr;
    QAction* entriesEnd_ = nullptr;
    QAction* quit_ = nullptr;
};

}  // namespace bytelora
