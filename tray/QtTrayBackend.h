#pragma once

#include <QObject>
#include <QSystemTrayIcon>

#include <cstdint>

#include "tray/TrayBackend.h"

namespace bytelora {

// The notification area through Qt's tray icon. Qt reports clicks as activation
// reasons; they are handed on as the classic callback codes the tray control reads.
// Qt says nothing when a balloon hides or times out, so only a click on it is reported
// and the control's own bounded wait ends the rest.
class QtTrayBackend : public QObject, public TrayBackend {
    Q_OBJECT

  public:
    explicit QtTrayBackend(QObject* parent = nullptr);
    ~QtTrayBackend() override;

    QtTrayBackend(const QtTrayBackend&) = delete;
    QtTrayBackend& operator=(const QtTrayBackend&) = delete;

    bool IsAvailable() const override;
    void AddIcon(const QIcon& icon, const QString& tip) override;
    void ChangeIcon(const QIcon& icon) override;
    void ChangeTip(const QString& tip) override;
    void ShowBalloon(const QString& title, const QString& text, int timeoutMs) override;
    void TakeBalloonDown() override;
    void DeleteIcon() override;
    void SetMenu(QMenu* menu) override;

    bool IsShown() const { return shown_; }

  public slots:
    void OnActivated(QSystemTrayIcon::ActivationReason reason);
    void OnMessageClicked();

  private:
    // Qt's slots must not throw: a failure in a handler is logged and the program goes on.
    void DeliverSafely(std::uint32_t lParam);

    QSystemTrayIcon icon_;
    bool shown_ = false;
};

}  // namespace bytelora
