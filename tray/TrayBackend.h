#pragma once

#include <QIcon>
#include <QString>

#include <cstdint>
#include <functional>

namespace bytelora {

// The desktop's notification area, as the tray control needs it. The program uses
// Qt's tray icon; tests use a fake. Mouse and balloon activity come back as the
// classic tray callback codes (lParam: 0x200 to 0x206, 0x402 to 0x405; wParam: the
// icon's identifier), which the tray control turns into its events.
class TrayBackend {
public:
    using MessageHandler = std::function<void(std::uint32_t lParam, std::uint32_t wParam)>;

    virtual ~TrayBackend() = default;

    // Whether the desktop has a notification area at all.
    virtual bool IsAvailable() const = 0;

    virtual void AddIcon(const QIcon& icon, const QString& tip) = 0;
    virtual void ChangeIcon(const QIcon& icon) = 0;
    virtual void ChangeTip(const QString& tip) = 0;
    virtual void ShowBalloon(const QString& title, const QString& text, int timeoutMs) = 0;
    virtual void TakeBalloonDown() = 0;
    virtual void DeleteIcon() = 0;

    void SetMessageHandler(MessageHandler handler) { handler_ = std::move(handler); }

protected:
    void Deliver(std::uint32_t lParam, std::uint32_t wParam) const {
        if (handler_) handler_(lParam, wParam);
    }

private:
    MessageHandler handler_;
};

}  // namespace bytelora
