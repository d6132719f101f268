#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <QSystemTrayIcon>

#include <cstdint>
#include <memory>

#include "tray/TrayBackend.h"
#include "tray/TrayPlatform.h"

namespace bytelora {

// The notification area through Qt's tray icon. Qt reports clicks as activation
// reasons; they are handed on as the classic callback codes the tray control reads.
// Qt says nothing when a balloon hides or times out, so only a click on it is reported
// and the control's own bounded wait ends the rest.
//
// Qt decides how an icon reaches the desktop (a StatusNotifierItem over D-Bus, or an
// XEmbed window) when its first tray icon is made, and keeps that answer for the run.
// So Qt's icon is only made once a notification area is there, and made again when a
// new one appears after the last went away.
class QtTrayBackend : public QObject, public TrayBackend {
    Q_OBJECT

  public:
    // The watcher for this desktop.
    explicit QtTrayBackend(QObject* parent = nullptr);
    QtTrayBackend(std::unique_ptr<TrayHostWatcher> watcher, QObject* parent = nullptr);
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

    // Whether the entry was added (and not deleted), tray or no tray.
    bool IsShown() const { return shown_; }
    // Qt's icon, while there is one: only while shown and a notification area is there.
    QSystemTrayIcon* QtIcon() const { return icon_.get(); }

  public slots:
    void OnActivated(QSystemTrayIcon::ActivationReason reason);
    void OnMessageClicked();

  private:
    void OnHostChanged(bool present);
    void MakeQtIcon();
    void DropQtIcon();
    // Qt's slots must not throw: a failure in a handler is logged and the program goes on.
    void DeliverSafely(std::uint32_t lParam);

    std::unique_ptr<TrayHostWatcher> watcher_;
    std::unique_ptr<QSystemTrayIcon> icon_;
    QIcon picture_;
    QString tip_;
    bool shown_ = false;
};

}  // namespace bytelora
