// The "Applications" window, opened from the tray menu.
#include "app/MainWindow.h"
#include "app/MainWindowParts.h"
#include "usage/UsageApps.h"

namespace bytelora {

void MainWindow::ShowAppsWindow() {
    if (!parts_->appsWindow) {
        // The desktop entries are read once, when the window is first wanted.
        parts_->appsWindow = std::make_unique<AppsWindow>(
            services_.appCounts, countd::AppNames::ForThisSession(), services_.clock);
        parts_->appsWindow->setWindowIcon(windowIcon());
        // Bytes today come from the data usage: what is stored, and what the counter
        // holds beyond what the recorder took.
        if (services_.usage) {
            parts_->appsWindow->CountToday([this](const countd::Reply& reply) {
                std::map<std::string, countd::ByteCounts> today;
                StartUsage();
                if (!parts_->usage) return today;
                const countd::AppNames unnamed({}, {});  // the keys need no names
                for (const auto& [key, bytes] : parts_->usage->AppBytesToday(
                         AppCounterReadOf(reply, countd::ClientUserId(), unnamed))) {
                    today[key] = {bytes.received, bytes.sent};
                }
                return today;
            });
        }
    }
    parts_->appsWindow->show();
    parts_->appsWindow->raise();
    parts_->appsWindow->activateWindow();
}

AppsWindow* MainWindow::ApplicationsWindow() const {
    return parts_->appsWindow.get();
}

}  // namespace bytelora
