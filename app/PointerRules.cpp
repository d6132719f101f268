// The main window's pointer: the hand over the buttons, the arrow elsewhere, the
// hourglass left alone.
#include "app/PointerRules.h"

#include <QEvent>
#include <QGuiApplication>
#include <QSinglePointEvent>

#include "app/HandCursor.h"

namespace bytelora {
namespace {

bool BusyPointerShowing(MousePointer pointer) {
    if (pointer == MousePointer::Hourglass) return true;
    const QCursor* override = QGuiApplication::overrideCursor();
    return override && (override->shape() == Qt::WaitCursor || override->shape() == Qt::BusyCursor);
}

}  // namespace

PointerRules::PointerRules(QWidget& window, Areas areas)
    : window_(window), areas_(std::move(areas)) {}

void PointerRules::Watch() {
    std::vector<QWidget*> watched(areas_.buttons.begin(), areas_.buttons.end());
    for (QWidget* area :
         {areas_.countdownFrame, areas_.startupOptionsFrame, areas_.snapshotList->viewport(),
          areas_.intervalList->viewport(), static_cast<QWidget*>(areas_.snapshotList),
          static_cast<QWidget*>(areas_.intervalList)}) {
        watched.push_back(area);
    }
    for (QWidget* area : watched) {
        area->setMouseTracking(true);
        area->installEventFilter(this);
    }
}

void PointerRules::LoadHandCursor(const std::filesystem::path& file) {
    mouseIcon_ = LoadCursorFile(file);
}

void PointerRules::SetPointer(MousePointer pointer) {
    pointer_ = pointer;
    switch (pointer) {
        case MousePointer::Hourglass:
            window_.setCursor(Qt::WaitCursor);
            break;
        case MousePointer::Custom:
            if (mouseIcon_) {
                window_.setCursor(*mouseIcon_);
            } else {
                window_.unsetCursor();
            }
            break;
        case MousePointer::Default:
            window_.unsetCursor();
            break;
    }
}

void PointerRules::OnMouseMoveOverButton() {
    if (!BusyPointerShowing(pointer_)) SetPointer(MousePointer::Custom);
}
void PointerRules::OnMouseMoveOverWindow() {
    if (!BusyPointerShowing(pointer_)) SetPointer(MousePointer::Default);
}
void PointerRules::OnMouseMoveOverSnapshotList() {
    OnMouseMoveOverWindow();
}
void PointerRules::OnMouseMoveOverIntervalList() {
    OnMouseMoveOverWindow();
}
void PointerRules::OnMouseMoveOverCountdown() {
    OnMouseMoveOverWindow();
}
void PointerRules::OnMouseMoveOverStartupOptions() {
    OnMouseMoveOverWindow();
}

void PointerRules::OnWindowMouseMove(const QPointF& position) {
    // Over a control the control's own rule applies.
    if (window_.childAt(position.toPoint()) == nullptr) OnMouseMoveOverWindow();
}

bool PointerRules::OverOwnArea(QWidget* widget, QEvent* event) {
    // Mouse moves and entries both carry the pointer's place in the widget.
    const auto* pointerEvent = static_cast<QSinglePointEvent*>(event);
    return widget->childAt(pointerEvent->position().toPoint()) == nullptr;
}

bool PointerRules::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::Enter) return false;
    for (QPushButton* button : areas_.buttons) {
        if (watched == button) {
            OnMouseMoveOverButton();
            return false;
        }
    }
    QTreeWidget* snapshots = areas_.snapshotList;
    QTreeWidget* intervals = areas_.intervalList;
    if (watched == snapshots || watched == snapshots->viewport()) {
        OnMouseMoveOverSnapshotList();
    } else if (watched == intervals || watched == intervals->viewport()) {
        OnMouseMoveOverIntervalList();
    } else if (watched == areas_.countdownFrame) {
        // Over the progress bar inside it the pointer stays as it is.
        if (OverOwnArea(areas_.countdownFrame, event)) OnMouseMoveOverCountdown();
    } else if (watched == areas_.startupOptionsFrame) {
        // Over the check boxes inside it the pointer stays as it is.
        if (OverOwnArea(areas_.startupOptionsFrame, event)) OnMouseMoveOverStartupOptions();
    }
    return false;
}

}  // namespace bytelora
