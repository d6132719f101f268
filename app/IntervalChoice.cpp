// The interval list's choice: selections, clicks and the presses that tell them apart.
#include "app/IntervalChoice.h"

#include <QEvent>
#include <QTimer>

#include <stdexcept>

#include "app/FailureBox.h"
#include "history/IntervalTable.h"
#include "history/LoggingScheduler.h"
#include "settings/SaveOrTell.h"

namespace bytelora {

namespace {

// The English text of an entry; an entry made without one shows it as its text.
std::string EnglishText(const QTreeWidgetItem& item) {
    const QVariant english = item.data(0, kIntervalTextRole);
    return (english.isValid() ? english.toString() : item.text(0)).toStdString();
}

}  // namespace

IntervalChoice::IntervalChoice(QTreeWidget& list, Settings& settings, MessageBoxes& boxes,
                               LoggingScheduler& scheduler, const WindowLife& life)
    : list_(list), settings_(settings), boxes_(boxes), scheduler_(scheduler), life_(life) {}

void IntervalChoice::OnSelectionChanged() {
    if (selecting_) return;
    const QList<QTreeWidgetItem*> selected = list_.selectedItems();
    if (selected.isEmpty()) {
        // A Ctrl+click or Ctrl+Space on the chosen entry would leave the list without a
        // choice, and every tick without an interval. The entry stays chosen, and the
        // click that took it away is no choice either.
        selectionChangedByMouse_ = pressed_;
        if (row_ >= 0) RunWithFailureBox(boxes_, [&] { SelectInterval(row_ + 1); });
        return;
    }
    row_ = list_.indexOfTopLevelItem(selected.front());
    if (life_.loading) return;
    selectionChangedByMouse_ = pressed_;
    RunWithFailureBox(boxes_, [&] { OnIntervalListClicked(); });
}

void IntervalChoice::OnItemClicked() {
    // A click that moved the selection was handled as the selection changed; a click on
    // the entry already selected still restarts the count.
    if (selectionChangedByMouse_) {
        selectionChangedByMouse_ = false;
        return;
    }
    if (life_.loading) return;
    RunWithFailureBox(boxes_, [&] { OnIntervalListClicked(); });
}

void IntervalChoice::OnIntervalListClicked() {
    const QList<QTreeWidgetItem*> selected = list_.selectedItems();
    // A click that leaves nothing selected chooses nothing.
    if (selected.isEmpty()) return;
    const int position = list_.indexOfTopLevelItem(selected.front()) + 1;
    SaveOrTell(settings_, boxes_, AppTitle(), kOftenIndexKey, std::to_string(position));
    scheduler_.IntervalChosen(IntervalSeconds(EnglishText(*selected.front())));
}

void IntervalChoice::SelectInterval(int position) {
    if (position < 1 || position > list_.topLevelItemCount()) {
        throw std::out_of_range("Index out of bounds");
    }
    // Selecting from the stored choice is no choice of the user's.
    selecting_ = true;
    QTreeWidgetItem* item = list_.topLevelItem(position - 1);
    list_.setCurrentItem(item);
    item->setSelected(true);
    selecting_ = false;
    row_ = position - 1;
}

std::string IntervalChoice::SelectedText() const {
    if (text_) return *text_;
    const QList<QTreeWidgetItem*> selected = list_.selectedItems();
    if (selected.isEmpty()) throw std::runtime_error("No logging interval is selected.");
    text_ = EnglishText(*selected.front());
    return *text_;
}

bool IntervalChoice::eventFilter(QObject* watched, QEvent* event) {
    if (watched != list_.viewport()) return false;
    // The filter sees the press before the list handles it: whether the press moves the
    // selection is learnt as the list handles it.
    if (event->type() == QEvent::MouseButtonPress) {
        pressed_ = true;
        selectionChangedByMouse_ = false;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        // A Ctrl+click changes the selection as the list handles the release: the press
        // is over once the release has been handled.
        QTimer::singleShot(0, this, [this] { pressed_ = false; });
    }
    return false;
}

}  // namespace bytelora
