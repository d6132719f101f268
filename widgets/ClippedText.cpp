#include "widgets/ClippedText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QTimer>

#include <cstdio>

namespace bytelora {

namespace {

QString Name(const QWidget& widget) {
    const QString name = widget.objectName();
    return name.isEmpty() ? QString::fromLatin1(widget.metaObject()->className()) : name;
}

bool Clipped(const QWidget& widget, QString& text) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        text = label->text();
        if (text.isEmpty() || label->pixmap().isNull() == false) return false;
        if (label->wordWrap()) return label->heightForWidth(label->width()) > label->height();
        return label->minimumSizeHint().width() > label->width();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        text = button->text();
        return !text.isEmpty() && button->sizeHint().width() > button->width();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(&widget)) {
        text = frame->title();
        if (text.isEmpty()) return false;
        // The frame's own minimum width is its title's, with the style's margins.
        return frame->fontMetrics().horizontalAdvance(text + QLatin1Char(' ')) >
               frame->contentsRect().width() + frame->contentsMargins().left() +
                   frame->contentsMargins().right();
    }
    return false;
}

class ClippedTextReporter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (!widget->isWindow()) return false;
        // Laid out once the events the show posted have run.
        QTimer::singleShot(200, this, [window = QPointer<QWidget>(widget)] {
            if (!window || !window->isVisible()) return;
            const QString title =
                window->windowTitle().isEmpty() ? Name(*window) : window->windowTitle();
            for (const QString& clipped : ClippedTexts(*window)) {
                std::fprintf(stderr, "bytelora: clipped text in %s: %s\n", qPrintable(title),
                             qPrintable(clipped));
            }
            std::fflush(stderr);
        });
        return false;
    }
};

}  // namespace

QStringList ClippedTexts(const QWidget& window) {
    QStringList clipped;
    for (const QWidget* widget : window.findChildren<const QWidget*>()) {
        if (!widget->isVisibleTo(&window) || widget->window() != &window) continue;
        QString text;
        if (Clipped(*widget, text)) clipped << Name(*widget) + QStringLiteral(": ") + text;
    }
    return clipped;
}

void ReportClippedTextsWhenAsked() {
    if (qEnvironmentVariableIsEmpty("BYTELORA_REPORT_CLIPPED_TEXT")) return;
    qApp->installEventFilter(new ClippedTextReporter(qApp));
}

}  // namespace bytelora
