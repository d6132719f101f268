#include "views/GraphWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>

#include "common/ErrorReport.h"
#include "common/ReportLocations.h"
#include "views/GraphWindowKind.h"

namespace bytelora {

GraphSurface::GraphSurface(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("surface"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void GraphSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::WindowText));
    const QImage* image = source_ ? source_() : image_;
    if (image != nullptr && !image->isNull()) {
        painter.drawImage(QPoint(0, 0), *image);
    }
}

void GraphSurface::mouseMoveEvent(QMouseEvent* event) {
    if (onMouseMove_) {
        onMouseMove_();
    }
    event->accept();
}

GraphWindow::GraphWindow(ErrorReporter& reporter, const QImage* chart, const QIcon& programIcon)
    : QWidget(nullptr, GraphWindowType() | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      reporter_(reporter) {
    setObjectName(QStringLiteral("graphWindow"));
    setWindowTitle(tr("Bandwidth Graph"));
    setFixedSize(kClientWidth, kClientHeight);
    // The main window alone decides when the program ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    setMouseTracking(true);

    surface = new GraphSurface(this);
    surface->setGeometry(0, 0, kSurfaceWidth, kSurfaceHeight);
    surface->SetImage(chart);
    surface->SetMouseMoveHandler([this] { OnMouseMoveOverWindow(); });

    OnLoad(programIcon);
}

void GraphWindow::SetChart(const QImage* chart) {
    surface->SetImage(chart);
    ChartChanged();
}

void GraphWindow::ChartChanged() {
    if (isVisible()) {
        surface->update();
    }
}

void GraphWindow::OnLoad(const QIcon& programIcon) {
    StatementGuard guard(reporter_, report::kGraphWindow, report::kLoad);
    guard.Run(102, [&] { setWindowIcon(programIcon); });
}

void GraphWindow::OnCloseRequested(QCloseEvent* event) {
    StatementGuard guard(reporter_, report::kGraphWindow, report::kCloseRequest);
    guard.Run(100, [&] { event->ignore(); });
    guard.Run(102, [&] { hide(); });
}

void GraphWindow::OnMouseMoveOverWindow() {
    if (cursor().shape() != Qt::WaitCursor) {
        setCursor(Qt::ArrowCursor);
    }
}

void GraphWindow::closeEvent(QCloseEvent* event) {
    // Only the user's close is turned into hiding. A close that the program itself asks
    // for (the application quitting, closing all windows) is accepted, so it can never
    // hold the program open; the window is not deleted on close either way.
    if (event->spontaneous()) {
        OnCloseRequested(event);
    } else {
        event->accept();
    }
}

void GraphWindow::showEvent(QShowEvent* event) {
    // Sent before the window is mapped, every time: the window manager forgets the
    // window's state when it is hidden.
    if (!event->spontaneous()) KeepOutOfTaskbar(*this);
    if (!placed_ && !event->spontaneous()) {
        placed_ = true;
        CentreOnScreen();
    }
    QWidget::showEvent(event);
}

void GraphWindow::mouseMoveEvent(QMouseEvent* event) {
    OnMouseMoveOverWindow();
    event->accept();
}

void GraphWindow::CentreOnScreen() {
    const QScreen* target = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (target == nullptr) {
        return;
    }
    const QRect area = target->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

}  // namespace bytelora
