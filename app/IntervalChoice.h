#pragma once

#include <QObject>
#include <QTreeWidget>

#include <optional>
#include <string>

#include "app/WindowLife.h"

namespace bytelora {

// The item data that holds an interval's English text (the one with a meaning), beside
// the translated text the list shows.
inline constexpr int kIntervalTextRole = Qt::UserRole;

class LoggingScheduler;
class MessageBoxes;
class Settings;

// The interval list: a change of its selection, by mouse or keyboard, is a choice of how
// often to log; a click on the entry already chosen restarts the count. Watches the
// list's viewport for presses, to tell the mouse's choices from the keyboard's.
class IntervalChoice : public QObject {
  public:
    IntervalChoice(QTreeWidget& list, Settings& settings, MessageBoxes& boxes,
                   LoggingScheduler& scheduler, const WindowLife& life);

    // What the list signals.
    void OnSelectionChanged();
    void OnItemClicked();
    // Stores the chosen entry and restarts the count for it.
    void OnIntervalListClicked();
    // The list's items or selection changed: the chosen text is read again.
    void ForgetText() { text_.reset(); }

    // Selects the entry at `position` (from 1) without taking it for the user's choice.
    void SelectInterval(int position);
    // The chosen entry's English text; throws when nothing is chosen.
    std::string SelectedText() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QTreeWidget& list_;
    Settings& settings_;
    MessageBoxes& boxes_;
    LoggingScheduler& scheduler_;
    const WindowLife& life_;

    // The chosen interval's text, read from the list once per choice instead of every
    // tick; emptied when the list's selection or items change.
    mutable std::optional<std::string> text_;
    bool selecting_ = false;
    bool selectionChangedByMouse_ = false;
    bool pressed_ = false;
    // The row of the current choice; -1 before the first.
    int row_ = -1;
};

}  // namespace bytelora
