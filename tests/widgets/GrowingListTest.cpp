// The snapshot list grows at its end: a row added out of view repaints nothing, one added
// in view repaints its own line, and the list always looks as a plain list does.
#include <gtest/gtest.h>

#include <array>

#include <QApplication>
#include <QHeaderView>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTreeWidget>

#include "widgets/GrowingList.h"

namespace bytelora {
namespace {

// Counts the paints a widget receives and what they covered.
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            painted |= static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
    void Reset() {
        paints = 0;
        painted = QRegion();
    }
    int paints = 0;
    QRegion painted;
};

template <class List>
struct Shown {
    List view;

    Shown() {
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(9);
        font.setBold(true);
        view.setFont(font);
        view.setRootIsDecorated(false);
        view.setUniformRowHeights(true);
        view.setSelectionBehavior(QAbstractItemView::SelectRows);
        view.setHeaderLabels({QStringLiteral("Bandwidth Usage")});
        view.setColumnWidth(0, 467);
        view.setFixedSize(520, 112);
        view.show();
        Settle();
    }
    void Add(const QString& row) {
        view.addTopLevelItem(new QTreeWidgetItem({row}));
        Settle();
    }
    // The list lays its rows out on a zero timer and then paints.
    static void Settle() {
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
    }
    QImage Picture() { return view.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

std::array<QTreeWidget*, 2> Both(Shown<QTreeWidget>& plain, Shown<GrowingList>& growing) {
    return {&plain.view, &growing.view};
}

QString Row(int second) {
    return QStringLiteral("8 Dec 2026 09:39:%1 Download: %2 Kb/s Upload: 0 Kb/s")
        .arg(second, 2, 10, QLatin1Char('0'))
        .arg(second * 37);
}

TEST(GrowingList, ARowAddedRepaintsOnlyWhereItIsInViewAndTheListLooksPlain) {
    Shown<QTreeWidget> plain;
    Shown<GrowingList> growing;
    PaintWatch rows(*growing.view.viewport());
    PaintWatch titles(*growing.view.header()->viewport());
    int second = 0;
    auto add = [&] {
        plain.Add(Row(second));
        growing.Add(Row(second));
        ++second;
    };
    add();

    // In view: the new row's line is painted, and the row before it; the header is not.
    add();
    rows.Reset();
    titles.Reset();
    add();
    const QRect third = growing.view.visualItemRect(growing.view.topLevelItem(2));
    EXPECT_GE(rows.paints, 1);
    EXPECT_TRUE(rows.painted.contains(third));
    EXPECT_LE(rows.painted.boundingRect().height(), 2 * third.height());
    EXPECT_EQ(titles.paints, 0);
    EXPECT_EQ(plain.Picture(), growing.Picture());

    // Until the scroll bar comes, then the whole list once; past the last row shown,
    // nothing on screen changes and nothing is painted but the scroll bar.
    while (growing.view.verticalScrollBar()->maximum() == 0) add();
    add();
    EXPECT_EQ(plain.Picture(), growing.Picture());
    const int narrow = growing.view.NarrowRepaints();
    rows.Reset();
    titles.Reset();
    for (int i = 0; i < 3; ++i) add();
    EXPECT_EQ(rows.paints, 0);
    EXPECT_EQ(titles.paints, 0);
    EXPECT_EQ(growing.view.NarrowRepaints(), narrow + 3);
    EXPECT_EQ(plain.Picture(), growing.Picture());

    // Scrolled to the end, the added rows come into view as they do in a plain list.
    for (QTreeWidget* view : Both(plain, growing)) {
        view->scrollToBottom();
        view->setCurrentItem(view->topLevelItem(view->topLevelItemCount() - 2));
    }
    Shown<QTreeWidget>::Settle();
    add();
    EXPECT_EQ(plain.Picture(), growing.Picture());
}

TEST(GrowingList, AnyOtherChangeRepaintsTheWholeList) {
    Shown<QTreeWidget> plain;
    Shown<GrowingList> growing;
    for (int second = 0; second < 12; ++second) {
        plain.Add(Row(second));
        growing.Add(Row(second));
    }
    PaintWatch rows(*growing.view.viewport());
    const int narrow = growing.view.NarrowRepaints();

    // The first row taken away (the list is full) in the same turn as a row added.
    for (QTreeWidget* view : Both(plain, growing)) {
        view->addTopLevelItem(new QTreeWidgetItem({Row(40)}));
        delete view->takeTopLevelItem(0);
    }
    Shown<QTreeWidget>::Settle();
    EXPECT_EQ(growing.view.NarrowRepaints(), narrow);
    EXPECT_GE(rows.paints, 1);
    EXPECT_EQ(plain.Picture(), growing.Picture());

    // A row's text changed, then a row added.
    for (QTreeWidget* view : Both(plain, growing)) {
        view->topLevelItem(0)->setText(0, Row(41));
        view->addTopLevelItem(new QTreeWidgetItem({Row(42)}));
    }
    Shown<QTreeWidget>::Settle();
    EXPECT_EQ(growing.view.NarrowRepaints(), narrow);
    EXPECT_EQ(plain.Picture(), growing.Picture());

    // Another font, then a row added.
    QFont larger = growing.view.font();
    larger.setPointSizeF(12);
    for (QTreeWidget* view : Both(plain, growing)) {
        view->setFont(larger);
        view->addTopLevelItem(new QTreeWidgetItem({Row(43)}));
    }
    Shown<QTreeWidget>::Settle();
    EXPECT_EQ(plain.Picture(), growing.Picture());

    // Emptied and filled again.
    for (QTreeWidget* view : Both(plain, growing)) {
        view->clear();
        view->addTopLevelItem(new QTreeWidgetItem({Row(44)}));
    }
    Shown<QTreeWidget>::Settle();
    EXPECT_EQ(plain.Picture(), growing.Picture());
}

}  // namespace
}  // namespace bytelora
