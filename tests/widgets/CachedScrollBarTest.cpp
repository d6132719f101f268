// The snapshot list's scroll bar keeps its picture while it looks the same: it must look
// exactly as a plain scroll bar at every range and value, and not be drawn again while a
// growing range leaves the handle where it was.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>

#include "widgets/CachedScrollBar.h"

namespace bytelora {
namespace {

template <class Bar>
struct Placed {
    QWidget window;
    Bar* bar;

    Placed() {
        QPalette white = window.palette();
        white.setColor(QPalette::Window, Qt::white);
        window.setPalette(white);
        window.setAutoFillBackground(true);
        window.resize(40, 120);
        bar = new Bar(Qt::Vertical, &window);
        bar->setGeometry(10, 10, 17, 90);
        bar->setPageStep(6);
        window.show();
    }
    void Range(int maximum, int value) {
        bar->setRange(0, maximum);
        bar->setValue(value);
    }
    QImage Picture() { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

TEST(CachedScrollBar, LooksPlainAtEveryRangeAndIsDrawnOnlyWhenItsLookChanges) {
    Placed<QScrollBar> plain;
    Placed<CachedScrollBar> cached;
    auto both = [&](int maximum, int value) {
        plain.Range(maximum, value);
        cached.Range(maximum, value);
        QApplication::processEvents();
        return plain.Picture() == cached.Picture();
    };
    for (int maximum = 0; maximum <= 60; ++maximum) {
        EXPECT_TRUE(both(maximum, 0)) << "range 0.." << maximum << ", at the top";
        EXPECT_TRUE(both(maximum, maximum)) << "range 0.." << maximum << ", at the end";
        EXPECT_TRUE(both(maximum, maximum / 2)) << "range 0.." << maximum << ", halfway";
    }
    // Long past a screenful the handle has its least size: at the top it stays there.
    EXPECT_TRUE(both(100, 0));
    const int drawn = cached.bar->Cache().FullRefreshes();
    EXPECT_GT(drawn, 60);
    for (int maximum = 101; maximum <= 200; ++maximum) EXPECT_TRUE(both(maximum, 0));
    EXPECT_EQ(cached.bar->Cache().FullRefreshes(), drawn);
    // Disabled, it is drawn again and still looks plain.
    plain.bar->setEnabled(false);
    cached.bar->setEnabled(false);
    EXPECT_TRUE(both(200, 0));
}

}  // namespace
}  // namespace bytelora
