#include "history/Form2.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>

#include "common/ErrorReport.h"
#include "history/GraphWindowKind.h"

namespace bytelora {

GraphSurface::GraphSurface(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture2"));
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

Form2::Form2(ErrorReporter& reporter, const QImage* chart, const QIcon& programIcon)
    : QWidget(nullptr, GraphWindowType() | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      reporter_(reporter) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Bandwidth Graph"));
    setFixedSize(kClientWidth, kClientHeight);
    // The main window alone decides when the program ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    setMouseTracking(true);

    Picture2 = new GraphSurface(this);
    Picture2->setGeometry(0, 0, kSurfaceWidth, kSurfaceHeight);
    Picture2->SetImage(chart);
    Picture2->SetMouseMoveHandler([this] { Form_MouseMove(); });

    Form_Load(programIcon);
}

void Form2::SetChart(const QImage* chart) {
    Picture2->SetImage(chart);
    ChartChanged();
}

void Form2::ChartChanged() {
    if (isVisible()) {
        Picture2->update();
    }
}

void Form2::Form_Load(const QIcon& programIcon) {
    StatementGuard guard(reporter_, "Form2", "Form_Load");
    guard.Run(102, [&] { setWindowIcon(programIcon); });
}

void Form2::Form_QueryUnload(QCloseEvent* event) {
    StatementGuard guard(reporter_, "Form2", "Form_QueryUnload");
    guard.Run(100, [&] { event->ignore(); });
    guard.Run(102, [&] { hide(); });
}

void Form2::Form_MouseMove() {
    if (cursor().shape() != Qt::WaitCursor) {
        setCursor(Qt::ArrowCursor);
    }
}

void Form2::closeEvent(QCloseEvent* event) {
    // Only the user's close is turned into hiding. A close that the program itself asks
    // for (the application quitting, closing all windows) is accepted, so it can never
    // hold the program open; the window is not deleted on close either way.
    if (event->spontaneous()) {
        Form_QueryUnload(event);
    } else {
        event->accept();
    }
}

void Form2::showEvent(QShowEvent* event) {
    // Sent before the window is mapped, every time: the window manager forgets the
    // window's state when it is hidden.
    if (!event->spontaneous()) KeepOutOfTaskbar(*this);
    if (!placed_ && !event->spontaneous()) {
        placed_ = true;
        CentreOnScreen();
    }
    QWidget::showEvent(event);
}

void Form2::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove();
    event->accept();
}

void Form2::CentreOnScreen() {
    const QScreen* target = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (target == nullptr) {
        return;
    }
    const QRect area = target->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

}  // namespace bytelora
