#include "views/RatesWindow.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

#include <algorithm>
#include <array>

#include "monitor/GlanceText.h"
#include "views/GraphWindowKind.h"
#include "views/RatesWindowKind.h"
#include "views/ScreenPlace.h"
#include "widgets/StripChart.h"

namespace bytelora {
namespace {

const QString kDownArrow = QStringLiteral("\u2193");
const QString kUpArrow = QStringLiteral("\u2191");

// The widest texts each unit can show: a three-digit figure before each of its suffixes.
// The meter keeps that width, so it never jumps as the figures change.
constexpr std::array<double, 4> kWidestRates = {888.0, 888.0 * 1024, 888.0 * 1024 * 1024,
                                                888.0 * 1024 * 1024 * 1024};

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The meter's spacing follows its font: a quarter of a line around and between its parts,
// and a column as wide as the wider arrow.
struct Spacing {
    int margin;
    int arrows;
    int TextLeft() const { return margin + arrows + margin; }
};

Spacing SpacingOf(const QFontMetrics& metrics) {
    return {std::max(2, metrics.height() / 4),
            std::max(metrics.horizontalAdvance(kDownArrow), metrics.horizontalAdvance(kUpArrow))};
}

}  // namespace

RatesWindow::RatesWindow() : QWidget(nullptr, RatesWindowType()) {
    setObjectName(QStringLiteral("ratesWindow"));
    // Read only by window lists that ignore the taskbar hint, and by the tests.
    setWindowTitle(tr("Bytelora Rates"));
    // The main window alone decides when the program ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_ShowWithoutActivating);
    placeSettled_.setSingleShot(true);
    placeSettled_.setInterval(kPlaceSettleMs);
    connect(&placeSettled_, &QTimer::timeout, this, [this] { emit PlaceChosen(pos()); });
    downloadText_ = Text(FullRate(0.0, units_));
    uploadText_ = downloadText_;
    FitContents();
}

void RatesWindow::SetRates(double downloadBytesPerSecond, double uploadBytesPerSecond) {
    download_ = downloadBytesPerSecond;
    upload_ = uploadBytesPerSecond;
    const QString down = Text(FullRate(download_, units_));
    const QString up = Text(FullRate(upload_, units_));
    if (down == downloadText_ && up == uploadText_) return;
    downloadText_ = down;
    uploadText_ = up;
    if (isVisible()) update();
}

void RatesWindow::SetUnits(RateUnits units) {
    if (units == units_) return;
    units_ = units;
    downloadText_ = Text(FullRate(download_, units_));
    uploadText_ = Text(FullRate(upload_, units_));
    FitContents();
    update();
}

void RatesWindow::ShowChart(bool on) {
    if (on == showChart_) return;
    showChart_ = on;
    FitContents();
    update();
}

void RatesWindow::ChartChanged() {
    if (showChart_ && isVisible()) update(ChartRect());
}

void RatesWindow::PlaceAt(std::optional<QPoint> corner) {
    FitContents();
    movedByUser_ = false;
    QPoint wanted;
    if (corner) {
        wanted = *corner;
    } else if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        const QRect area = primary->availableGeometry();
        const int gap = fontMetrics().height();
        wanted = QPoint(area.right() - width() - gap, area.top() + gap);
    }
    move(KeptOnScreen(QRect(wanted, size()), ScreenAreas()));
}

void RatesWindow::FitContents() {
    const QFontMetrics metrics = fontMetrics();
    int textWidth = 0;
    for (const double rate : kWidestRates) {
        textWidth = std::max(textWidth, metrics.horizontalAdvance(Text(FullRate(rate, units_))));
        textWidth =
            std::max(textWidth, metrics.horizontalAdvance(Text(FullRate(rate / 8.0, units_))));
    }
    const Spacing spacing = SpacingOf(metrics);
    const int margin = spacing.margin;
    const int width = spacing.TextLeft() + textWidth + margin;
    int height = 2 * margin + 2 * metrics.height();
    if (showChart_) height += 2 * metrics.height() + margin;
    setFixedSize(width, height);
}

QRect RatesWindow::ChartRect() const {
    const QFontMetrics metrics = fontMetrics();
    const int margin = SpacingOf(metrics).margin;
    const int top = margin + 2 * metrics.height() + margin;
    return {margin, top, width() - 2 * margin, height() - top - margin};
}

void RatesWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Window));
    painter.setPen(colours.color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const QFontMetrics metrics = fontMetrics();
    const Spacing spacing = SpacingOf(metrics);
    const int margin = spacing.margin;
    const int textLeft = spacing.TextLeft();
    const int textWidth = width() - textLeft - margin;
    const int firstBaseline = margin + metrics.ascent();
    const int secondBaseline = firstBaseline + metrics.height();

    painter.setPen(QColor::fromRgb(StripChart::FromColorref(StripChart::kDownloadColour)));
    painter.drawText(margin, firstBaseline, kDownArrow);
    painter.setPen(QColor::fromRgb(StripChart::FromColorref(StripChart::kUploadColour)));
    painter.drawText(margin, secondBaseline, kUpArrow);
    painter.setPen(colours.color(QPalette::WindowText));
    // Right-aligned, so the units stand in one column and only the figures move.
    const QRect first(textLeft, margin, textWidth, metrics.height());
    painter.drawText(first, Qt::AlignRight | Qt::AlignVCenter, downloadText_);
    painter.drawText(first.translated(0, metrics.height()), Qt::AlignRight | Qt::AlignVCenter,
                     uploadText_);

    if (!showChart_) return;
    const QRect area = ChartRect();
    painter.fillRect(area, QColor::fromRgb(StripChart::kBackground));
    const QImage* image = chart_ ? chart_() : nullptr;
    if (image == nullptr || image->isNull()) return;
    // The newest columns, two pixels a second as the graph window draws them, with the
    // chart's whole height pressed into the meter's.
    const int columns = std::min(area.width(), image->width());
    const QRect source(image->width() - columns, 0, columns, image->height());
    const QRect target(area.right() + 1 - columns, area.top(), columns, area.height());
    painter.drawImage(target, *image, source);
}

void RatesWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        grip_ = event->position().toPoint();
        dragging_ = false;
        movedByUser_ = false;
    }
    event->accept();
}

void RatesWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!grip_ || !(event->buttons() & Qt::LeftButton)) return;
    const QPoint travelled = event->position().toPoint() - *grip_;
    if (!dragging_) {
        // A click or a double-click that wobbles a pixel is no drag.
        if (travelled.manhattanLength() < QApplication::startDragDistance()) return;
        dragging_ = true;
        movedByUser_ = true;
        // The window manager moves a window it manages, with the desktop's own snapping;
        // one it does not manage moves itself.
        QWindow* native = windowHandle();
        if (native != nullptr && !windowFlags().testFlag(Qt::X11BypassWindowManagerHint) &&
            native->startSystemMove()) {
            grip_.reset();
            return;
        }
    }
    move(event->globalPosition().toPoint() - *grip_);
}

void RatesWindow::mouseReleaseEvent(QMouseEvent* event) {
    grip_.reset();
    dragging_ = false;
    event->accept();
}

void RatesWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit ShowMainRequested();
    event->accept();
}

void RatesWindow::contextMenuEvent(QContextMenuEvent* event) {
    emit MenuRequested(event->globalPos());
    event->accept();
}

void RatesWindow::moveEvent(QMoveEvent* event) {
    if (movedByUser_) placeSettled_.start();
    QWidget::moveEvent(event);
}

void RatesWindow::showEvent(QShowEvent* event) {
    // Sent before the window is mapped, every time: the window manager forgets the
    // window's state when it is hidden.
    // The window manager forgets the window's state when it is hidden.
    if (!event->spontaneous()) KeepOutOfTaskbar(*this);
    QWidget::showEvent(event);
}

void RatesWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        FitContents();
    }
    QWidget::changeEvent(event);
}

}  // namespace bytelora
