#pragma once

#include <QWidget>

#include <functional>
#include <memory>

#include "app/WindowLife.h"

namespace bytelora {

class TrayIcon;

// The window's life in the notification area: a minimise hides it there (with a balloon
// that says how to bring it back), a click on the icon restores it, and a tray that goes
// away or appears takes the window along.
class TrayBehaviour {
  public:
    // `firstFocus` takes the focus when the window comes back without one of its own.
    // `tray` is the window's slot for its icon: empty once the window is ending.
    // `minimiseIsSeen` says whether the desktop tells the program about a minimise.
    TrayBehaviour(QWidget& window, QWidget& firstFocus, const WindowLife& life,
                  const std::unique_ptr<TrayIcon>& tray, bool minimiseIsSeen);

    // Shows the window as start-up left it: normal and centred, or hidden in the tray.
    void ShowAfterLoad();
    // The window's state changed: a minimised window goes into the tray.
    void OnResize();
    void OnTrayMouseUp(int button, int id);
    // The notification area went away or a new one appeared: a window hidden in a tray
    // that is gone comes back, and a window left minimised for want of a tray goes into
    // the new one, as the minimise meant.
    void OnTrayAvailabilityChanged(bool available);
    bool HiddenInTray() const { return hiddenInTray_; }

    // Something on screen besides a tray brings the window back (the small meter, whose
    // double-click shows it): a hidden start without a tray may then hide the window
    // for real instead of leaving it minimised or shown.
    void SetOtherWayBack(std::function<bool()> shown) { otherWayBack_ = std::move(shown); }
    // Hidden by start-up with only that other way back.
    bool HiddenBehindOtherWay() const { return hiddenBehindOtherWay_; }

  private:
    bool TrayAvailable() const;

    QWidget& window_;
    QWidget& firstFocus_;
    const WindowLife& life_;
    const std::unique_ptr<TrayIcon>& tray_;
    bool minimiseIsSeen_;
    bool hiddenInTray_ = false;
    std::function<bool()> otherWayBack_;
    bool hiddenBehindOtherWay_ = false;
};

}  // namespace bytelora
