// The small meter on its own: its texts, its look, its mouse, its place.
#include "views/RatesWindow.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

#include <functional>
#include <vector>

#include "views/ScreenPlace.h"

namespace bytelora {
namespace {

constexpr double KB = 1024.0;
constexpr double MB = 1024.0 * 1024.0;

// Counts the paints a widget gets.
class PaintCounter : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

void Mouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
           Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// What the meter asked for, in order.
struct Asked {
    explicit Asked(RatesWindow& meter) {
        QObject::connect(&meter, &RatesWindow::ShowMainRequested, [this] { ++mainWindow; });
        QObject::connect(&meter, &RatesWindow::MenuRequested,
                         [this](QPoint at) { menus.push_back(at); });
        QObject::connect(&meter, &RatesWindow::PlaceChosen,
                         [this](QPoint at) { places.push_back(at); });
    }
    int mainWindow = 0;
    std::vector<QPoint> menus;
    std::vector<QPoint> places;
};

// Runs events until the condition holds or the time is up.
bool EventsUntil(const std::function<bool()>& condition, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > limitMs) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// Whether any pixel of the image passes the test.
template <class Test>
bool AnyPixel(const QImage& image, Test test) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (test(QColor(image.pixel(x, y)))) return true;
        }
    }
    return false;
}

TEST(RatesWindow, FloatsFramelessAboveTheRestAndTakesNoFocus) {
    RatesWindow meter;
    const Qt::WindowFlags flags = meter.windowFlags();
    EXPECT_TRUE(flags & Qt::FramelessWindowHint);
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(flags & Qt::WindowDoesNotAcceptFocus);
    EXPECT_FALSE(meter.testAttribute(Qt::WA_QuitOnClose));
    EXPECT_EQ(meter.windowTitle(), "Bytelora Rates");
}

TEST(RatesWindow, ShowsBothRatesInTheChosenUnitsAndRepaintsOnlyWhenATextChanges) {
    RatesWindow meter;
    EXPECT_EQ(meter.DownloadText(), "0 B/s");
    EXPECT_EQ(meter.UploadText(), "0 B/s");
    meter.show();
    PaintCounter counter;
    meter.installEventFilter(&counter);
    QApplication::processEvents();
    counter.paints = 0;

    meter.SetRates(1.2 * MB, 85 * KB);
    EXPECT_EQ(meter.DownloadText(), "1.2 MB/s");
    EXPECT_EQ(meter.UploadText(), "85 KB/s");
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
    // The same figures after rounding: nothing to draw.
    meter.SetRates(1.21 * MB, 85.2 * KB);
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);

    const int bytesWidth = meter.width();
    meter.SetUnits(RateUnits::Bits);
    EXPECT_EQ(meter.DownloadText(), "10 Mbit/s");
    EXPECT_EQ(meter.UploadText(), "698 kbit/s");
    // Room for the longest text of each unit, whatever is shown now.
    EXPECT_GT(meter.width(), bytesWidth);
    meter.SetRates(0.0, 0.0);
    EXPECT_EQ(meter.DownloadText(), "0 bit/s");
}

TEST(RatesWindow, DrawsTheTextInThePalettesColourAndTheChartsNewestColumnsWhenAsked) {
    RatesWindow meter;
    QPalette palette = meter.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::magenta);
    meter.setPalette(palette);
    meter.SetRates(500 * KB, 0.0);
    QImage chart(324, 225, QImage::Format_RGB32);
    chart.fill(Qt::black);
    for (int y = 0; y < chart.height(); ++y) chart.setPixel(323, y, qRgb(0, 0, 255));
    meter.SetChartSource([&chart] { return &chart; });

    const auto magenta = [](const QColor& c) {
        return c.red() > 200 && c.blue() > 200 && c.green() < 80;
    };
    const auto blue = [](const QColor& c) { return c.blue() > 200 && c.red() < 60; };
    const QImage plain = meter.grab().toImage();
    EXPECT_TRUE(AnyPixel(plain, magenta));
    EXPECT_FALSE(AnyPixel(plain, blue));

    const int height = meter.height();
    meter.ShowChart(true);
    EXPECT_GT(meter.height(), height);
    const QImage withChart = meter.grab().toImage();
    EXPECT_TRUE(AnyPixel(withChart, blue));
    // The newest column stands at the chart's right edge.
    EXPECT_TRUE(AnyPixel(
        withChart.copy(withChart.width() * 3 / 4, 0, withChart.width() / 4, withChart.height()),
        blue));
    meter.ShowChart(false);
    EXPECT_EQ(meter.height(), height);
}

TEST(RatesWindow, DoubleClickAsksForTheMainWindowAndRightClickForTheMenuWhereItWasClicked) {
    RatesWindow meter;
    meter.show();
    Asked asked(meter);

    const QPoint at(5, 5);
    Mouse(meter, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    Mouse(meter, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    Mouse(meter, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    Mouse(meter, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(asked.mainWindow, 1);
    Mouse(meter, QEvent::MouseButtonDblClick, at, Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(asked.mainWindow, 1);

    QContextMenuEvent context(QContextMenuEvent::Mouse, at, meter.mapToGlobal(at));
    QApplication::sendEvent(&meter, &context);
    ASSERT_EQ(asked.menus.size(), 1u);
    EXPECT_EQ(asked.menus.front(), meter.mapToGlobal(at));
    // Clicks are no move: no place is told.
    EXPECT_FALSE(
        EventsUntil([&] { return !asked.places.empty(); }, RatesWindow::kPlaceSettleMs * 2));
}

TEST(RatesWindow, ADragMovesItAndItsPlaceIsToldOnceItStandsStill) {
    RatesWindow meter;
    meter.PlaceAt(QPoint(100, 100));
    meter.show();
    Asked asked(meter);
    const QPoint grip(5, 5);
    Mouse(meter, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    // A wobble smaller than a drag leaves it where it is.
    Mouse(meter, QEvent::MouseMove, grip + QPoint(1, 0), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(meter.pos(), QPoint(100, 100));
    for (int step = 1; step <= 5; ++step) {
        Mouse(meter, QEvent::MouseMove, grip + QPoint(10, 6), Qt::NoButton, Qt::LeftButton);
    }
    Mouse(meter, QEvent::MouseButtonRelease, grip, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(meter.pos(), QPoint(150, 130));
    ASSERT_TRUE(
        EventsUntil([&] { return !asked.places.empty(); }, RatesWindow::kPlaceSettleMs * 4));
    // Five moves, one place.
    EventsUntil([] { return false; }, RatesWindow::kPlaceSettleMs * 2);
    ASSERT_EQ(asked.places.size(), 1u);
    EXPECT_EQ(asked.places.front(), QPoint(150, 130));
}

TEST(RatesWindow, GoesToItsStoredPlaceOrNearTheTopRightAndAlwaysOntoAScreen) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    RatesWindow meter;
    meter.PlaceAt(area.topLeft() + QPoint(40, 30));
    EXPECT_EQ(meter.pos(), area.topLeft() + QPoint(40, 30));

    meter.PlaceAt(std::nullopt);
    EXPECT_TRUE(area.contains(meter.geometry()));
    EXPECT_GT(meter.x(), area.center().x());
    EXPECT_LT(meter.y(), area.center().y());

    // A place on a screen unplugged since, far to the right and above.
    meter.PlaceAt(QPoint(area.right() + 5000, area.top() - 4000));
    EXPECT_TRUE(area.contains(meter.geometry()));
    EXPECT_EQ(meter.pos(), QPoint(area.right() + 1 - meter.width(), area.top()));
}

TEST(ScreenPlace, AFrameIsMovedTheLeastOntoTheScreenThatHoldsMostOfIt) {
    const QList<QRect> screens = {QRect(0, 0, 1000, 800), QRect(1000, 0, 1600, 1000)};
    const QSize size(100, 40);
    // Wholly on one screen, or on the other: unchanged.
    EXPECT_EQ(KeptOnScreen(QRect(QPoint(10, 20), size), screens), QPoint(10, 20));
    EXPECT_EQ(KeptOnScreen(QRect(QPoint(2400, 900), size), screens), QPoint(2400, 900));
    // Across the seam, mostly on the left: pulled back onto the left.
    EXPECT_EQ(KeptOnScreen(QRect(QPoint(940, 100), size), screens), QPoint(900, 100));
    // Mostly on the right: pushed onto the right.
    EXPECT_EQ(KeptOnScreen(QRect(QPoint(960, 100), size), screens), QPoint(1000, 100));
    // Below the shorter left screen, partly: up onto it.
    EXPECT_EQ(KeptOnScreen(QRect(QPoint(100, 790), size), screens), QPoint(100, 760));
    // On no screen at all: onto the nearest, the right one here.
    EXPECT_EQ(KeptOnScreen(QRect(QPoint(5000, 5000), size), screens), QPoint(2500, 960));
    EXPECT_EQ(KeptOnScreen(QRect(QPoint(-900, -900), size), screens), QPoint(0, 0));
    // Larger than the screen: its corner stays on it, to take hold of.
    EXPECT_EQ(KeptOnScreen(QRect(QPoint(-50, -50), QSize(1200, 900)), {QRect(0, 0, 1000, 800)}),
              QPoint(0, 0));
    // No screen known: nothing to keep it on.
    EXPECT_EQ(KeptOnScreen(QRect(QPoint(-50, 7), size), {}), QPoint(-50, 7));
}

}  // namespace
}  // namespace bytelora
