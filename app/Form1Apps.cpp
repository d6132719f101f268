// The "Applications" window, opened from the tray menu.
#include "app/Form1.h"
#include "app/Form1Parts.h"

namespace bytelora {

void Form1::ShowAppsWindow() {
    if (!parts_->appsWindow) {
        // The desktop entries are read once, when the window is first wanted.
        parts_->appsWindow = std::make_unique<AppsWindow>(services_.appCounts, countd::AppNames::ForThisSession(),
                                                          services_.clock);
        parts_->appsWindow->setWindowIcon(windowIcon());
    }
    parts_->appsWindow->show();
    parts_->appsWindow->raise();
    parts_->appsWindow->activateWindow();
}

AppsWindow* Form1::ApplicationsWindow() const {
    return parts_->appsWindow.get();
}

}  // namespace bytelora
