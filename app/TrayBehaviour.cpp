// Hiding the main window in the tray and bringing it back.
#include "app/TrayBehaviour.h"

#include <QCoreApplication>
#include <QWindow>

#include "common/AppText.h"
#include "tray/TrayIcon.h"

namespace bytelora {
namespace {

// The balloon continues its title: "Bytelora" above, "has been minimized..." below.
const QString& BalloonMessage() {
    static const QString message = QCoreApplication::translate(
        "bytelora::TrayBehaviour",
        "has been minimized to the system tray.\r\n"
        "Click on the blue 'Q' icon (Q for Quillmark) to bring the software back.");
    return message;
}

}  // namespace

TrayBehaviour::TrayBehaviour(QWidget& window, QWidget& firstFocus, const WindowLife& life,
                             const std::unique_ptr<TrayIcon>& tray, bool minimiseIsSeen)
    : window_(window),
      firstFocus_(firstFocus),
      life_(life),
      tray_(tray),
      minimiseIsSeen_(minimiseIsSeen) {}

bool TrayBehaviour::TrayAvailable() const {
    return tray_ && tray_->TrayAvailable();
}

void TrayBehaviour::ShowAfterLoad() {
    if (window_.windowState() & Qt::WindowMinimized) {
        if (TrayAvailable()) {
            OnResize();
        } else if (otherWayBack_ && otherWayBack_()) {
            // Never mapped: the desktop lists nothing, and the meter brings it back.
            window_.overrideWindowState(window_.windowState() & ~Qt::WindowMinimized);
            hiddenBehindOtherWay_ = true;
        } else if (!minimiseIsSeen_) {
            // Neither a tray nor a minimise the desktop lists for sure: shown, not lost.
            window_.overrideWindowState(window_.windowState() & ~Qt::WindowMinimized);
            window_.show();
        } else {
            // Start-up minimised the window as a state only; now the desktop does it.
            window_.overrideWindowState(window_.windowState() & ~Qt::WindowMinimized);
            window_.showMinimized();
        }
        return;
    }
    window_.show();
    firstFocus_.setFocus();
    window_.activateWindow();
}

void TrayBehaviour::OnResize() {
    if (life_.loading) return;
    if (!(window_.windowState() & Qt::WindowMinimized) || hiddenInTray_) return;
    // Without a notification area nothing could bring a hidden window back.
    if (!TrayAvailable()) return;
    window_.hide();
    // Back to normal for the next show, but only in the window's own state: taking the
    // minimised state off the desktop's window maps it again on X11, hidden or not, and
    // doing it before the hide flashes the restored window on Windows. The desktop's
    // window follows when the tray brings it back.
    window_.overrideWindowState(window_.windowState() & ~Qt::WindowMinimized);
    // Set before the balloon: its wait runs pending events, and a state change handled
    // meanwhile must find the window already in the tray.
    hiddenInTray_ = true;
    tray_->ShowBalloon(BalloonMessage(), QString::fromLatin1(kProductName), 5, true);
}

void TrayBehaviour::OnTrayMouseUp(int /*button*/, int /*id*/) {
    if (window_.windowState() & Qt::WindowMinimized) {
        window_.setWindowState(window_.windowState() & ~Qt::WindowMinimized);
    }
    // Hidden while minimised, the desktop's window is still minimised: it must come back
    // normal, not as a taskbar button.
    if (QWindow* native = window_.windowHandle();
        native && !window_.isVisible() && (native->windowStates() & Qt::WindowMinimized)) {
        native->setWindowStates(window_.windowState() & ~Qt::WindowActive);
    }
    window_.show();
    window_.raise();
    window_.activateWindow();
    // The focus goes back where it was: the snapshot list when the window is first shown.
    QWidget* focus = window_.focusWidget() != nullptr ? window_.focusWidget() : &firstFocus_;
    focus->setFocus(Qt::ActiveWindowFocusReason);
    hiddenInTray_ = false;
    hiddenBehindOtherWay_ = false;
}

void TrayBehaviour::OnTrayAvailabilityChanged(bool available) {
    if (!life_.loaded || life_.closing) return;
    if (!available) {
        // Nothing could bring the window back from a tray that is gone.
        if (hiddenInTray_) OnTrayMouseUp(0, 0);
        return;
    }
    if (hiddenBehindOtherWay_) {
        // The new tray's icon brings the window back as well; it is hidden there now.
        hiddenBehindOtherWay_ = false;
        hiddenInTray_ = true;
        return;
    }
    if (!hiddenInTray_ && window_.isVisible() && (window_.windowState() & Qt::WindowMinimized))
        OnResize();
}

}  // namespace bytelora
