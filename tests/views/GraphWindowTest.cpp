#include "views/GraphWindow.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCloseEvent>
#include <QWindow>

#include <string>
#include <vector>

#include "common/ErrorReport.h"
#include "support/RecordingMessageBoxes.h"
#include "views/GraphWindowKind.h"

namespace bytelora {
namespace {

class GraphWindowTest : public ::testing::Test {
  protected:
    GraphWindowTest() : reporter(boxes), chart(324, 225, QImage::Format_RGB32) {
        chart.fill(Qt::black);
        chart.setPixel(323, 224, qRgb(255, 0, 0));
    }

    int GraphWindows() const {
        int count = 0;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            count += qobject_cast<GraphWindow*>(widget) != nullptr ? 1 : 0;
        }
        return count;
    }

    testing::RecordingMessageBoxes boxes;
    ErrorReporter reporter;
    QImage chart;
};

TEST_F(GraphWindowTest, IsAFixedWindowOfTheDesignSizeWithTheProgramIcon) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::green);
    GraphWindow form(reporter, &chart, QIcon(pixmap));
    EXPECT_EQ(form.windowIcon().pixmap(16, 16).toImage().pixel(0, 0), QColor(Qt::green).rgb());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Bandwidth Graph"));
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.size(), QSize(324, 226));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    const Qt::WindowFlags flags = form.windowFlags();
    // Never transient for the main window, which must be able to lie in front of it;
    // the taskbar is kept out by the desktop's own means (the real-display suite).
    EXPECT_NE(flags & Qt::WindowType_Mask, Qt::Dialog);
    EXPECT_EQ(flags & Qt::WindowType_Mask, GraphWindowType());
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(form.testAttribute(Qt::WA_QuitOnClose));
    EXPECT_FALSE(form.testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(form.surface->geometry(), QRect(0, 0, 324, 225));
    EXPECT_EQ(form.surface->Image(), &chart);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(GraphWindowTest, ShowingTwiceIsOneWindowCentredOnTheScreen) {
    GraphWindow form(reporter, &chart, QIcon());
    const int before = GraphWindows();
    form.show();
    form.show();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(GraphWindows(), before);
    const QRect area = form.screen()->availableGeometry();
    EXPECT_LE((form.geometry().center() - area.center()).manhattanLength(), 2);
}

TEST_F(GraphWindowTest, TheUsersCloseOnlyHidesAndShowingAgainKeepsPlaceAndImage) {
    GraphWindow form(reporter, &chart, QIcon());
    form.show();
    ASSERT_TRUE(form.isVisible());
    form.move(40, 50);
    const QPoint place = form.pos();

    ASSERT_NE(form.windowHandle(), nullptr);
    // The window system's close, as from the close box or the keyboard, reaches the
    // window as a close event.
    QCloseEvent userClose;
    QCoreApplication::sendEvent(form.windowHandle(), &userClose);
    EXPECT_FALSE(userClose.isAccepted());
    EXPECT_FALSE(form.isVisible());

    form.show();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.pos(), place);
    EXPECT_EQ(form.surface->Image(), &chart);
    const QImage painted = form.surface->grab().toImage();
    EXPECT_EQ(painted.pixel(323, 224), qRgb(255, 0, 0));
    EXPECT_EQ(form.size(), QSize(324, 226));
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(GraphWindowTest, AProgramCloseIsAcceptedSoItNeverHoldsTheProgramOpen) {
    GraphWindow form(reporter, &chart, QIcon());
    form.show();
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());
    form.show();
    // Quitting closes every window first and gives up if one refuses.
    QApplication::closeAllWindows();
    EXPECT_FALSE(form.isVisible());
    form.show();
    EXPECT_TRUE(form.isVisible());
}

TEST_F(GraphWindowTest, MouseMovesRestoreTheDefaultPointerUnlessBusy) {
    GraphWindow form(reporter, &chart, QIcon());
    form.setCursor(Qt::PointingHandCursor);
    form.OnMouseMoveOverWindow();
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);
    form.setCursor(Qt::WaitCursor);
    form.OnMouseMoveOverWindow();
    EXPECT_EQ(form.cursor().shape(), Qt::WaitCursor);
}

}  // namespace
}  // namespace bytelora
