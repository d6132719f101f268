#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>

#include "common/Clock.h"
#include "tray/TrayBackend.h"

namespace bytelora {

// Runs the events that are waiting, blocking for at most a short slice when there are
// none, so a wait built on it neither spins the processor nor misses a click for long.
void RunPendingEventsBriefly();

// Owns the program's one icon in the notification area: whether it is shown, its
// picture and tip, the balloon from it, and the mouse events that come back from it.
// The backend must outlive the control; the control takes its icon out when it ends.
class TrayIcon : public QObject {
    Q_OBJECT

  public:
    // One turn of the event loop, run while a balloon is waited for.
    using EventPump = std::function<void()>;

    // The program's control: the system clock and the real event loop.
    explicit TrayIcon(TrayBackend& backend, QObject* parent = nullptr);
    TrayIcon(TrayBackend& backend, const Clock& clock, EventPump pump, QObject* parent = nullptr);
    ~TrayIcon() override;

    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // The picture. A null icon is ignored; while shown, a new picture replaces the old
    // one at once. Starts as the blue Q.
    const QIcon& Icon() const { return trayIcon_; }
    void Icon(const QIcon& icon);

    // The tip. Kept whole; the notification area gets its first 127 characters. While
    // out of the tray a new tip is only stored and goes along with the next add.
    const QString& TrayTip() const { return trayTip_; }
    void TrayTip(const QString& tip);

    // Whether the icon is in the notification area. Setting the current value again
    // does nothing.
    bool InTray() const { return inTray_; }
    void InTray(bool value);

    // Shows a balloon from the icon (text cut to 255 characters, title to 63) and, when
    // showTimer > 0, waits up to showTimer seconds, running other events, until the
    // balloon is clicked, closed or timed out, then takes it down if it is still up.
    // With showOnce, only the first such balloon of this control is shown.
    // Throws std::overflow_error when showTimer seconds do not fit in 32-bit
    // milliseconds (above 2147483), before anything is shown.
    void ShowBalloon(const QString& Tip, const QString& sTitle, std::int32_t ShowTimer,
                     bool ShowOnce);

    // Turns one callback code of the notification area into the control's events:
    // 0x200 to 0x206 raise the mouse events with wParam as the Id; 0x403, 0x404 and
    // 0x405 mean the balloon has gone; every other code is ignored.
    void HandleTrayMessage(std::uint32_t lParam, std::uint32_t wParam);

    // Whether the desktop has a notification area at all. Without one, a hidden window
    // could not be brought back through the icon.
    bool TrayAvailable() const { return backend_.IsAvailable(); }

    bool AddedToTray() const { return addedToTray_; }
    bool BalloonUp() const { return balloonUp_; }
    std::int32_t BalloonCount() const { return balloonCount_; }
    std::int32_t IconID() const { return iconId_; }

  signals:
    void MouseMove(std::int32_t Id);
    void MouseDown(std::int16_t Button, std::int32_t Id);
    void MouseUp(std::int16_t Button, std::int32_t Id);
    void MouseDblClick(std::int16_t Button, std::int32_t Id);
    // The desktop's notification area went away (false) or a new one appeared (true)
    // while the icon was wanted in it or not; the icon follows by itself.
    void TrayAvailabilityChanged(bool available);

  private:
    void AddIcon();
    void DeleteIcon();
    // False when the control ended while events ran.
    bool WaitForBalloon(std::int32_t seconds);

    TrayBackend& backend_;
    const Clock& clock_;
    EventPump pump_;

    bool inTray_ = false;
    bool addedToTray_ = false;
    const std::int32_t iconId_ = 0;
    QString trayTip_;
    QIcon trayIcon_;
    bool balloonUp_ = false;
    std::int32_t balloonCount_ = 0;
};

}  // namespace bytelora
