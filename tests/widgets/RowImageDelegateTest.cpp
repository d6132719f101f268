// The snapshot list keeps pictures of its plain rows: a repaint copies them, and the list
// must look exactly as one that draws every row each time.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QTreeWidget>

#include "widgets/RowImageDelegate.h"

namespace bytelora {
namespace {

struct List {
    QTreeWidget view;

    List() {
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
    }
    void Add(const QString& row) {
        view.addTopLevelItem(new QTreeWidgetItem({row}));
        // The list lays its rows out on a zero timer and then paints.
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
    }
    QImage Picture() { return view.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

QString Row(int second) {
    return QStringLiteral("8 Dec 2026 09:39:%1 Download: %2 Kb/s Upload: 0 Kb/s")
        .arg(second, 2, 10, QLatin1Char('0'))
        .arg(second * 37);
}

TEST(RowImageDelegate, TheListLooksTheSameAndARepaintDrawsOnlyNewRows) {
    List plain;
    List cached;
    auto* rows = new RowImageDelegate(cached.view);
    cached.view.setItemDelegate(rows);
    for (int second = 0; second < 4; ++second) {
        plain.Add(Row(second));
        cached.Add(Row(second));
    }
    const int drawn = rows->RowsDrawn();
    EXPECT_GE(drawn, 4);
    const int measured = rows->RowsMeasured();

    // Another row: the rows already shown are copied, only the new one is drawn; a
    // repaint of the whole list draws nothing.
    plain.Add(Row(4));
    cached.Add(Row(4));
    EXPECT_EQ(rows->RowsDrawn(), drawn + 1);
    cached.view.viewport()->repaint();
    EXPECT_EQ(rows->RowsDrawn(), drawn + 1);
    EXPECT_EQ(plain.Picture(), cached.Picture());
    // The list measured its first row again for the new layout: the size it kept.
    EXPECT_EQ(rows->RowsMeasured(), measured);
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(cached.view.visualRect(cached.view.model()->index(row, 0)),
                  plain.view.visualRect(plain.view.model()->index(row, 0)));
    }

    // A selected row is drawn as usual, over the view's own highlight.
    for (List* list : {&plain, &cached}) {
        list->view.setCurrentItem(list->view.topLevelItem(1));
        QApplication::processEvents();
    }
    EXPECT_EQ(plain.Picture(), cached.Picture());
    // Rows scrolled into view come right too.
    for (int second = 5; second < 12; ++second) {
        plain.Add(Row(second));
        cached.Add(Row(second));
    }
    for (List* list : {&plain, &cached}) {
        list->view.scrollToBottom();
        QApplication::processEvents();
    }
    EXPECT_EQ(plain.Picture(), cached.Picture());
}

}  // namespace
}  // namespace bytelora
