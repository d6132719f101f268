#include "tray/QtTrayBackend.h"

#include <QtGlobal>

#include <exception>
#include <utility>

#include "tray/TrayIcons.h"

namespace bytelora {

namespace {

constexpr std::uint32_t kIconId = 0;
constexpr std::uint32_t kLeftButtonDown = 0x201;
constexpr std::uint32_t kLeftButtonUp = 0x202;
constexpr std::uint32_t kLeftButtonDoubleClick = 0x203;
constexpr std::uint32_t kRightButtonDown = 0x204;
constexpr std::uint32_t kRightButtonUp = 0x205;
constexpr std::uint32_t kMiddleButtonDown = 0x207;
constexpr std::uint32_t kMiddleButtonUp = 0x208;
constexpr std::uint32_t kBalloonUserClick = 0x405;

// Qt's own choice when a message is given no time of its own.
constexpr int kDesktopBalloonMs = 10000;

}  // namespace

QtTrayBackend::QtTrayBackend(QObject* parent) : QtTrayBackend(MakeTrayHostWatcher(), parent) {}

QtTrayBackend::QtTrayBackend(std::unique_ptr<TrayHostWatcher> watcher, QObject* parent)
    : QObject(parent), watcher_(std::move(watcher)) {
    connect(watcher_.get(), &TrayHostWatcher::HostChanged, this, &QtTrayBackend::OnHostChanged);
}

QtTrayBackend::~QtTrayBackend() {
    if (icon_) icon_->hide();
}

void QtTrayBackend::DropQtIcon() {
    if (!icon_) return;
    icon_->hide();
    icon_->disconnect(this);
    // Later, not now: the icon may be inside one of its own signals (a click whose
    // handler ends the program, or a menu entry).
    icon_.release()->deleteLater();
}

bool QtTrayBackend::IsAvailable() const {
    return watcher_->HostPresent();
}

void QtTrayBackend::MakeQtIcon() {
    // A child, so that one dropped but not yet deleted still ends with the backend.
    icon_ = std::make_unique<QSystemTrayIcon>(this);
    connect(icon_.get(), &QSystemTrayIcon::activated, this, &QtTrayBackend::OnActivated);
    connect(icon_.get(), &QSystemTrayIcon::messageClicked, this, &QtTrayBackend::OnMessageClicked);
    icon_->setIcon(picture_);
    icon_->setToolTip(tip_);
    icon_->setContextMenu(Menu());
    icon_->show();
}

void QtTrayBackend::OnHostChanged(bool present) {
    // The icon of a notification area that went away is gone with it; a new area gets a
    // new icon, which Qt then places by what it finds now.
    DropQtIcon();
    if (present && shown_) MakeQtIcon();
    ReportAvailability(present);
}

void QtTrayBackend::AddIcon(const QIcon& icon, const QString& tip) {
    // Qt will not show an entry without a picture, and an entry that cannot be seen
    // cannot be clicked to bring the window back: fall back to the program's Q.
    picture_ = icon.isNull() ? TrayIconImage() : icon;
    tip_ = tip;
    shown_ = true;
    if (icon_) {
        icon_->setIcon(picture_);
        icon_->setToolTip(tip_);
        icon_->show();
    } else if (watcher_->HostPresent()) {
        MakeQtIcon();
    }
}

void QtTrayBackend::ChangeIcon(const QIcon& icon) {
    if (icon.isNull()) return;
    picture_ = icon;
    if (icon_) icon_->setIcon(icon);
}

void QtTrayBackend::ChangeTip(const QString& tip) {
    const QString previous = tip_;
    tip_ = tip;
    if (!icon_) return;
    // Only the tip: the picture is not set again, which some desktops would redraw.
    icon_->setToolTip(tip);
    RefreshOpenTip(previous, tip);
}

void QtTrayBackend::ShowBalloon(const QString& title, const QString& text, int timeoutMs) {
    // Like the shell, a balloon needs an icon to come from.
    if (!shown_ || !icon_) return;
    icon_->showMessage(title, NativeBalloonText(text), QSystemTrayIcon::NoIcon,
                       timeoutMs > 0 ? timeoutMs : kDesktopBalloonMs);
}

void QtTrayBackend::TakeBalloonDown() {
    // Qt cannot withdraw a message; it was given the same time as the wait, so the
    // desktop takes it down by itself.
}

void QtTrayBackend::DeleteIcon() {
    DropQtIcon();
    shown_ = false;
}

void QtTrayBackend::SetMenu(QMenu* menu) {
    TrayBackend::SetMenu(menu);
    // Qt opens the menu itself on a right click (and on Windows' keyboard equivalent).
    if (icon_) icon_->setContextMenu(menu);
}

void QtTrayBackend::OnActivated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Trigger:
            DeliverSafely(kLeftButtonDown);
            DeliverSafely(kLeftButtonUp);
            break;
        case QSystemTrayIcon::Context:
            DeliverSafely(kRightButtonDown);
            DeliverSafely(kRightButtonUp);
            break;
        case QSystemTrayIcon::DoubleClick:
            DeliverSafely(kLeftButtonDoubleClick);
            break;
        case QSystemTrayIcon::MiddleClick:
            DeliverSafely(kMiddleButtonDown);
            DeliverSafely(kMiddleButtonUp);
            break;
        case QSystemTrayIcon::Unknown:
            break;
    }
}

void QtTrayBackend::OnMessageClicked() {
    DeliverSafely(kBalloonUserClick);
}

void QtTrayBackend::DeliverSafely(std::uint32_t lParam) {
    try {
        Deliver(lParam, kIconId);
    } catch (const std::exception& error) {
        qWarning("Bytelora: tray event failed: %s", error.what());
    } catch (...) {
        qWarning("Bytelora: tray event failed");
    }
}

}  // namespace bytelora
