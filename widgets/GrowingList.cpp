#include "widgets/GrowingList.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

namespace bytelora {
namespace {

// Holds a widget's repaints without the repaint that setUpdatesEnabled(true) makes.
class HeldUpdates {
  public:
    explicit HeldUpdates(QWidget& widget)
        : widget_(widget), was_(widget.testAttribute(Qt::WA_UpdatesDisabled)) {
        widget_.setAttribute(Qt::WA_UpdatesDisabled, true);
    }
    ~HeldUpdates() { widget_.setAttribute(Qt::WA_UpdatesDisabled, was_); }
    HeldUpdates(const HeldUpdates&) = delete;
    HeldUpdates& operator=(const HeldUpdates&) = delete;

  private:
    QWidget& widget_;
    bool was_;
};

}  // namespace

GrowingList::GrowingList(QWidget* parent) : QTreeWidget(parent) {
    QAbstractItemModel* rows = model();
    connect(rows, &QAbstractItemModel::rowsInserted, this, &GrowingList::OnRowsInserted);
    // Anything else the rows go through is laid out and repainted in full.
    const auto otherwise = [this] { changedOtherwise_ = true; };
    connect(rows, &QAbstractItemModel::rowsRemoved, this, otherwise);
    connect(rows, &QAbstractItemModel::rowsMoved, this, otherwise);
    connect(rows, &QAbstractItemModel::columnsInserted, this, otherwise);
    connect(rows, &QAbstractItemModel::columnsRemoved, this, otherwise);
    connect(rows, &QAbstractItemModel::columnsMoved, this, otherwise);
    connect(rows, &QAbstractItemModel::dataChanged, this, otherwise);
    connect(rows, &QAbstractItemModel::headerDataChanged, this, otherwise);
    connect(rows, &QAbstractItemModel::layoutChanged, this, otherwise);
    connect(rows, &QAbstractItemModel::modelReset, this, otherwise);
}

GrowingList::~GrowingList() {
    // The model outlives this part of the list (the tree deletes it later), and clearing
    // it then signals: no handler may reach a list that is already half taken down.
    model()->disconnect(this);
}

GrowingList::Placement GrowingList::Now() const {
    return {viewport()->size(),
            verticalScrollBar()->value(),
            horizontalScrollBar()->value(),
            header()->offset(),
            header()->length(),
            font().key(),
            style()};
}

void GrowingList::OnRowsInserted(const QModelIndex& parent, int first, int last) {
    if (parent.isValid() || last + 1 != topLevelItemCount()) {
        changedOtherwise_ = true;
        return;
    }
    addedFrom_ = addedFrom_ == kNoneAdded ? first : std::min(addedFrom_, first);
}

void GrowingList::doItemsLayout() {
    const int addedFrom = std::exchange(addedFrom_, kNoneAdded);
    const bool changedOtherwise = std::exchange(changedOtherwise_, false);
    const Placement before = Now();
    if (addedFrom == kNoneAdded || changedOtherwise || before != laidOut_ || !isVisible()) {
        QTreeWidget::doItemsLayout();
        laidOut_ = Now();
        return;
    }
    {
        HeldUpdates rows(*viewport());
        HeldUpdates titles(*header()->viewport());
        QTreeWidget::doItemsLayout();
        // The header lays its sections out again when it is next asked about them,
        // repainting itself: asked here, while it is held.
        laidOut_ = Now();
    }
    if (laidOut_ != before) {
        viewport()->update();
        header()->viewport()->update();
        return;
    }
    ++narrowRepaints_;
    RepaintFrom(std::max(addedFrom - 1, 0));
}

void GrowingList::RepaintFrom(int row) {
    const QRect shown = viewport()->rect();
    QRect stale;
    for (; row < topLevelItemCount(); ++row) {
        const QRect at = visualItemRect(topLevelItem(row));
        if (at.top() > shown.bottom()) break;
        stale |= QRect(shown.left(), at.top(), shown.width(), at.height());
    }
    stale &= shown;
    if (!stale.isEmpty()) viewport()->update(stale);
}

}  // namespace bytelora
