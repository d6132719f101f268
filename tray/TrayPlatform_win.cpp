// Windows: the shell's notification area is part of Explorer, and Qt puts its icon back
// by itself when Explorer restarts (the "TaskbarCreated" message), so there is nothing
// to watch.
#include <QSystemTrayIcon>

#include "tray/TrayPlatform.h"

namespace bytelora {

namespace {

class ShellTrayWatcher final : public TrayHostWatcher {
  public:
    bool HostPresent() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }
};

}  // namespace

std::unique_ptr<TrayHostWatcher> MakeTrayHostWatcher() {
    return std::make_unique<ShellTrayWatcher>();
}

// The shell's balloons break lines at CR LF, as the rest of Windows does.
QString NativeBalloonText(const QString& text) {
    return text;
}

// The shell draws the tip itself and takes a new text as it comes.
void RefreshOpenTip(const QString& /*previousTip*/, const QString& /*tip*/) {}

}  // namespace bytelora
