#pragma once

#include <QCursor>
#include <QObject>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

#include <filesystem>
#include <optional>
#include <vector>

namespace bytelora {

// The pointer setting of the main window: the default arrow, the busy hourglass, or the
// custom hand image loaded at start-up.
enum class MousePointer { Default = 0, Hourglass = 11, Custom = 99 };

// Which pointer the main window shows: the hand over its buttons, the arrow elsewhere,
// and never either while the program is busy. Watches the buttons, the lists and the
// frames; the window forwards the moves over its own background.
class PointerRules : public QObject {
  public:
    struct Areas {
        std::vector<QPushButton*> buttons;
        QTreeWidget* snapshotList = nullptr;
        QTreeWidget* intervalList = nullptr;
        QWidget* countdownFrame = nullptr;
        QWidget* startupOptionsFrame = nullptr;
    };

    PointerRules(QWidget& window, Areas areas);

    // Follows the mouse over every area from now on.
    void Watch();
    // Takes the hand from a .cur file; a file Qt cannot read leaves the arrow.
    void LoadHandCursor(const std::filesystem::path& file);

    MousePointer Pointer() const { return pointer_; }
    void SetPointer(MousePointer pointer);
    const QCursor* MouseIcon() const { return mouseIcon_ ? &*mouseIcon_ : nullptr; }

    void OnMouseMoveOverWindow();
    void OnMouseMoveOverSnapshotList();
    void OnMouseMoveOverIntervalList();
    void OnMouseMoveOverCountdown();
    void OnMouseMoveOverStartupOptions();
    void OnMouseMoveOverButton();
    // A move over the window itself, forwarded from its own mouse handler.
    void OnWindowMouseMove(const QPointF& position);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static bool OverOwnArea(QWidget* widget, QEvent* event);

    QWidget& window_;
    Areas areas_;
    MousePointer pointer_ = MousePointer::Default;
    std::optional<QCursor> mouseIcon_;
};

}  // namespace bytelora
