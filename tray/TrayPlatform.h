#pragma once

#include <QObject>
#include <QString>

#include <memory>

namespace bytelora {

// Watches for the desktop's notification area coming and going. A panel restarted or
// started after the program (a common race at login) takes its tray with it or brings
// one late; the program's icon must follow.
class TrayHostWatcher : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

    // Whether a notification area is there now. Asks nothing of Qt's own tray support,
    // whose first answer Qt keeps for the rest of the run.
    virtual bool HostPresent() const = 0;

  signals:
    // A notification area appeared where there was none (present true), or the last
    // one went away (present false).
    void HostChanged(bool present);
};

// The watcher for this operating system and display.
std::unique_ptr<TrayHostWatcher> MakeTrayHostWatcher();

// A balloon's body with the line ends the desktop's notification service expects.
QString NativeBalloonText(const QString& text);

// After the tip changed: a tip already open over the icon shows the new text, where the
// platform lets it be reached.
void RefreshOpenTip(const QString& previousTip, const QString& tip);

}  // namespace bytelora
