#include "tray/TrayIcon.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <limits>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>

#include "tray/TrayIcons.h"
#include "tray/TrayText.h"

namespace bytelora {

namespace {

// Long enough that an idle wait costs nothing, short enough that the end of the wait
// is never noticeably late.
constexpr int kPumpSliceMs = 50;

// The largest number of seconds whose thousandfold still fits in 32 signed bits.
constexpr std::int32_t kMaxBalloonSeconds = std::numeric_limits<std::int32_t>::max() / 1000;

enum TrayCode : std::uint32_t {
    kMouseMove = 0x200,
    kLeftButtonDown = 0x201,
    kLeftButtonUp = 0x202,
    kLeftButtonDoubleClick = 0x203,
    kRightButtonDown = 0x204,
    kRightButtonUp = 0x205,
    kRightButtonDoubleClick = 0x206,
    kBalloonHide = 0x403,
    kBalloonTimeout = 0x404,
    kBalloonUserClick = 0x405,
};

constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kRightButton = 2;

const Clock& ProgramClock() {
    static const SystemClock clock;
    return clock;
}

}  // namespace

void RunPendingEventsBriefly() {
    if (QCoreApplication::instance() == nullptr) {
        std::this_thread::sleep_for(std::chrono::milliseconds(kPumpSliceMs));
        return;
    }
    // WaitForMoreEvents blocks until something arrives; the timer makes sure something
    // does, so a quiet queue still hands control back to the waiting loop.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(kPumpSliceMs);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

TrayIcon::TrayIcon(TrayBackend& backend, QObject* parent)
    : TrayIcon(backend, ProgramClock(), &RunPendingEventsBriefly, parent) {}

TrayIcon::TrayIcon(TrayBackend& backend, const Clock& clock, EventPump pump, QObject* parent)
    : QObject(parent),
      backend_(backend),
      clock_(clock),
      pump_(std::move(pump)),
      trayIcon_(TrayIconImage()) {
    backend_.SetAvailabilityHandler(
        [this](bool available) { emit TrayAvailabilityChanged(available); });
}

TrayIcon::~TrayIcon() {
    // Nothing can be reported from here; the icon must not outlive the program.
    backend_.SetAvailabilityHandler(nullptr);
    try {
        InTray(false);
    } catch (...) {
    }
}

void TrayIcon::Icon(const QIcon& icon) {
    if (icon.isNull()) return;
    if (addedToTray_) backend_.ChangeIcon(icon);
    trayIcon_ = icon;
}

void TrayIcon::TrayTip(const QString& tip) {
    if (addedToTray_) backend_.ChangeTip(CutToField(tip, kTrayTipMaxChars));
    trayTip_ = tip;
}

void TrayIcon::InTray(bool value) {
    if (value == inTray_) return;
    if (value) {
        // The hook goes in first so that nothing the icon reports is lost.
        backend_.SetMessageHandler([this](std::uint32_t lParam, std::uint32_t wParam) {
            HandleTrayMessage(lParam, wParam);
        });
        AddIcon();
        addedToTray_ = true;
    } else if (addedToTray_) {
        DeleteIcon();
        // A balloon goes with its icon, as the shell tells when it removes one; a wait
        // for it then ends.
        balloonUp_ = false;
        backend_.SetMessageHandler(nullptr);
        addedToTray_ = false;
    }
    inTray_ = value;
}

void TrayIcon::AddIcon() {
    backend_.AddIcon(trayIcon_, CutToField(trayTip_, kTrayTipMaxChars));
}

void TrayIcon::DeleteIcon() {
    backend_.DeleteIcon();
}

void TrayIcon::ShowBalloon(const QString& Tip, const QString& sTitle, std::int32_t ShowTimer,
                           bool ShowOnce) {
    if (ShowOnce && balloonCount_ >= 1) return;
    if (ShowTimer > kMaxBalloonSeconds) {
        throw std::overflow_error("Overflow: a balloon cannot stay up for " +
                                  std::to_string(ShowTimer) + " seconds");
    }
    const int timeoutMs = ShowTimer > 0 ? ShowTimer * 1000 : 0;
    backend_.ShowBalloon(CutToField(sTitle, kBalloonTitleMaxChars),
                         CutToField(Tip, kBalloonTextMaxChars), timeoutMs);
    balloonUp_ = true;
    if (ShowOnce) ++balloonCount_;

    // Without a wait the balloon stays up for the desktop's own time: taking it down at
    // once would only make it flicker.
    if (ShowTimer <= 0) return;
    // Events run during the wait may end the control (the program closing); then there
    // is nothing left to take down.
    if (!WaitForBalloon(ShowTimer)) return;
    if (balloonUp_) {
        backend_.TakeBalloonDown();
        balloonUp_ = false;
    }
}

bool TrayIcon::WaitForBalloon(std::int32_t seconds) {
    const QPointer<TrayIcon> self(this);
    // A copy, because the events it runs may end this control and its members with it.
    const EventPump pump = pump_;
    const Clock& clock = clock_;
    const auto start = clock.Monotonic();
    const auto limit = std::chrono::seconds(seconds);
    while (clock.Monotonic() - start < limit && balloonUp_) {
        pump();
        if (self.isNull()) return false;
    }
    return true;
}

void TrayIcon::HandleTrayMessage(std::uint32_t lParam, std::uint32_t wParam) {
    const auto id = static_cast<std::int32_t>(wParam);
    switch (lParam) {
        case kMouseMove:
            emit MouseMove(id);
            break;
        case kLeftButtonDown:
            emit MouseDown(kLeftButton, id);
            break;
        case kLeftButtonUp:
            emit MouseUp(kLeftButton, id);
            break;
        case kLeftButtonDoubleClick:
            emit MouseDblClick(kLeftButton, id);
            break;
        case kRightButtonDown:
            emit MouseDown(kRightButton, id);
            break;
        case kRightButtonUp:
            emit MouseUp(kRightButton, id);
            break;
        case kRightButtonDoubleClick:
            emit MouseDblClick(kRightButton, id);
            break;
        case kBalloonHide:
        case kBalloonTimeout:
        case kBalloonUserClick:
            balloonUp_ = false;
            break;
        default:
            break;
    }
}

}  // namespace bytelora
