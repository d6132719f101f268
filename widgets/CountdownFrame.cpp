#include "widgets/CountdownFrame.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStaticText>
#include <QStyle>
#include <QtMath>

#include <algorithm>

#include "widgets/MeasuresOnce.h"

namespace bytelora {

QRect CountdownFrame::LabelRect(const QStyleOptionGroupBox& option) const {
    return style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
}

bool CountdownFrame::DrawsCaptionItself(const QStyleOptionGroupBox& option) const {
    // Fusion draws an enabled caption as one line of text in the window text colour,
    // left-aligned in its place; anything else is left to the style.
    return UnderFusion(*this) && option.direction == Qt::LeftToRight &&
           (option.state & QStyle::State_Enabled) && !(option.state & QStyle::State_HasFocus) &&
           (option.textAlignment & Qt::AlignHorizontal_Mask & ~Qt::AlignLeft) == 0 &&
           !(option.subControls & QStyle::SC_GroupBoxCheckBox) &&
           !option.text.contains(QLatin1Char('&'));
}

const QImage& CountdownFrame::CaptionPicture(const QString& text,
                                             const QStyleOptionGroupBox& option) {
    for (auto it = captions_.begin(); it != captions_.end(); ++it) {
        if (it->text != text) continue;
        if (it + 1 != captions_.end()) std::rotate(it, it + 1, captions_.end());
        return captions_.back().picture;
    }
    // A five-second countdown and its snapshot captions come round in eight.
    if (captions_.size() >= 8) captions_.erase(captions_.begin());
    QStaticText layout(text);
    layout.setTextFormat(Qt::PlainText);
    layout.prepare(QTransform(), font());
    // The caption starts on a whole pixel, so drawn at the picture's left edge its glyphs
    // come out as they would in place.
    QImage picture = ScreenImage(*this, QSize(qCeil(layout.size().width()), drawnLabel_.height()));
    picture.fill(palette().color(QPalette::Window));
    {
        QPainter painter(&picture);
        painter.setFont(font());
        painter.setPen(QPen(option.palette.brush(QPalette::WindowText), 1));
        painter.drawStaticText(QPointF(0, 0), layout);
    }
    captions_.push_back({text, std::move(picture)});
    ++laidOut_;
    return captions_.back().picture;
}

CountdownFrame::CountdownFrame(QWidget* parent) : QGroupBox(parent) {
    UseMeasuresOnce(*this);
    PaintCache::MarkOpaque(*this);
}

void CountdownFrame::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    PaintCache::MarkOpaque(*this, event);
}

void CountdownFrame::SetCaption(const QString& text) {
    if (text == title()) return;
    const bool partial = isVisible() && updatesEnabled() && !cache_.Empty() &&
                         !drawnLabel_.isEmpty() && !title().isEmpty() && !text.isEmpty() &&
                         PaintCache::Usable(*this);
    if (!partial) {
        setTitle(text);
        return;
    }
    setAttribute(Qt::WA_UpdatesDisabled, true);
    setTitle(text);
    setAttribute(Qt::WA_UpdatesDisabled, false);
    // A caption of the same font lies on the same line: the band paintEvent draws again.
    // Measuring the caption here would lay its text out every second.
    update(QRect(0, drawnLabel_.top() - 4, width(), drawnLabel_.height() + 8) & rect());
}

void CountdownFrame::paintEvent(QPaintEvent* event) {
    if (!PaintCache::Usable(*this)) {
        cache_.Clear();
        captions_.clear();
        QGroupBox::paintEvent(event);
        return;
    }
    QStyleOptionGroupBox now;
    initStyleOption(&now);
    const QStyleOptionGroupBox& was = drawn_;
    if (cache_.Empty() || !SameFrameLook(was, now)) {
        captions_.clear();
        drawnLabel_ = LabelRect(now);
        captionEnd_ = drawnLabel_.right();
        cache_.Refresh(*this, rect(), [&](QPainter& painter) {
            style()->drawComplexControl(QStyle::CC_GroupBox, &now, &painter, this);
        });
    } else if (was.text != now.text) {
        if (!was.text.isEmpty() && !now.text.isEmpty() && DrawsCaptionItself(now)) {
            // Only the caption's line changes, from where it starts to the end of the
            // longer of the two captions.
            const QImage& caption = CaptionPicture(now.text, now);
            const int end = drawnLabel_.left() + qCeil(caption.deviceIndependentSize().width());
            const QRect line(QPoint(drawnLabel_.left(), drawnLabel_.top()),
                             QPoint(std::max(captionEnd_, end), drawnLabel_.bottom()));
            cache_.Refresh(*this, line, [&](QPainter& painter) {
                painter.drawImage(drawnLabel_.topLeft(), caption);
            });
            captionEnd_ = end;
        } else {
            // The style draws the caption's whole line again.
            const QRect label = LabelRect(now);
            const QRect line = drawnLabel_.united(label);
            cache_.Refresh(*this, QRect(0, line.top() - 4, width(), line.height() + 8),
                           [&](QPainter& painter) {
                               style()->drawComplexControl(QStyle::CC_GroupBox, &now, &painter,
                                                           this);
                           });
            drawnLabel_ = label;
            captionEnd_ = label.right();
        }
    }
    drawn_ = now;
    cache_.Paint(*this, event->region());
}

}  // namespace bytelora
