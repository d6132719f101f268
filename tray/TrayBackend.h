#pragma once

#include <QIcon>
#include <QString>

class QMenu;

#include <cstdint>
#include <functional>
#include <utility>

namespace bytelora {

// The desktop's notification area, as the tray control needs it. The program uses
// Qt's tray icon; tests use a fake. Mouse and balloon activity come back as the
// classic tray callback codes (lParam: 0x200 to 0x206, 0x402 to 0x405; wParam: the
// icon's identifier), which the tray control turns into its events.
class TrayBackend {
  public:
    using MessageHandler = std::function<void(std::uint32_t lParam, std::uint32_t wParam)>;
    using AvailabilityHandler = std::function<void(bool available)>;

    virtual ~TrayBackend() = default;

    // Whether the desktop has a notification area at all.
    virtual bool IsAvailable() const = 0;

    // A null icon or an empty tip adds the entry without that part.
    virtual void AddIcon(const QIcon& icon, const QString& tip) = 0;
    virtual void ChangeIcon(const QIcon& icon) = 0;
    virtual void ChangeTip(const QString& tip) = 0;
    // timeoutMs 0 leaves the time to the desktop.
    virtual void ShowBalloon(const QString& title, const QString& text, int timeoutMs) = 0;
    virtual void TakeBalloonDown() = 0;
    virtual void DeleteIcon() = 0;
    // The menu a right click on the icon opens; null for none. The menu outlives the
    // entry or is taken back first.
    virtual void SetMenu(QMenu* menu) { menu_ = menu; }
    QMenu* Menu() const { return menu_; }

    // The tray control's hook: while set, every callback code goes to it. An empty
    // handler removes the hook.
    void SetMessageHandler(MessageHandler handler) { handler_ = std::move(handler); }
    bool HasMessageHandler() const { return static_cast<bool>(handler_); }

    // Told when the desktop's notification area goes away or a new one appears while
    // the program runs (a panel that crashed, restarted or started late). An entry that
    // was added stays wanted: the backend puts it into the next notification area.
    void SetAvailabilityHandler(AvailabilityHandler handler) {
        availabilityHandler_ = std::move(handler);
    }

  protected:
    // Called through a copy: the control's event handlers may take the icon out of the
    // tray, which replaces the handler while it is still running.
    void Deliver(std::uint32_t lParam, std::uint32_t wParam) const {
        const MessageHandler handler = handler_;
        if (handler) handler(lParam, wParam);
    }

    // Through a copy, for the same reason.
    void ReportAvailability(bool available) const {
        const AvailabilityHandler handler = availabilityHandler_;
        if (handler) handler(available);
    }

  private:
    MessageHandler handler_;
    AvailabilityHandler availabilityHandler_;
    QMenu* menu_ = nullptr;
};

}  // namespace bytelora
