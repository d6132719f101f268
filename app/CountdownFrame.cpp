#include "app/CountdownFrame.h"

#include <QApplication>
#include <QBackingStore>
#include <QPaintEvent>
#include <QPainter>
#include <QStaticText>
#include <QStyle>

#include <QtMath>

#include <algorithm>
#include <cstdint>

namespace bytelora {
namespace {

// What every style option carries: a change here is a change of the whole picture.
bool SameBase(const QStyleOption& a, const QStyleOption& b) {
    return a.rect == b.rect && a.state == b.state && a.direction == b.direction &&
           a.palette == b.palette && a.palette.currentColorGroup() == b.palette.currentColorGroup() &&
           a.fontMetrics == b.fontMetrics;
}

// A widget's own instance of the application's style that measures once.
void UseMeasuresOnce(QWidget& widget) {
    auto* measures = new MeasuresOnce(QApplication::style()->name());
    measures->setParent(&widget);
    widget.setStyle(measures);
}

// Whether the widget is drawn by the Fusion style, the one whose drawing the frame and
// the bar can put together from pictures.
bool UnderFusion(const QWidget& widget) {
    const auto* proxy = qobject_cast<const QProxyStyle*>(widget.style());
    const QStyle* base = proxy != nullptr ? proxy->baseStyle() : widget.style();
    return base != nullptr &&
           base->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) == 0;
}

// Everything of a group box's look but its caption.
bool SameFrameLook(const QStyleOptionGroupBox& a, const QStyleOptionGroupBox& b) {
    return SameBase(a, b) && a.textAlignment == b.textAlignment && a.textColor == b.textColor &&
           a.subControls == b.subControls && a.activeSubControls == b.activeSubControls &&
           a.features == b.features && a.lineWidth == b.lineWidth &&
           a.midLineWidth == b.midLineWidth;
}

// The column where a bar over `area` ends at `progress`, as the styles place it.
int FillEnd(const QRect& area, const QStyleOptionProgressBar& bar) {
    const std::int64_t steps = std::max<std::int64_t>(1, std::int64_t{bar.maximum} - bar.minimum);
    return area.left() + static_cast<int>((std::int64_t{bar.progress} - bar.minimum) *
                                          area.width() / steps);
}

}  // namespace

QImage::Format ScreenImageFormat(const QWidget& widget) {
    const QWidget* window = widget.window();
    QBackingStore* store = window != nullptr ? window->backingStore() : nullptr;
    if (const auto* image = store != nullptr ? dynamic_cast<const QImage*>(store->paintDevice())
                                             : nullptr;
        image != nullptr && !image->isNull()) {
        return image->format();
    }
    return QImage::Format_ARGB32_Premultiplied;
}

bool PaintCache::Usable(const QWidget& widget) {
    const QStyle* style = widget.style();
    if (style == nullptr || style->inherits("QStyleSheetStyle")) return false;
    if (widget.testAttribute(Qt::WA_StyledBackground)) return false;
    return widget.palette().brush(QPalette::Window).style() == Qt::SolidPattern;
}

void PaintCache::Refresh(const QWidget& widget, const QRegion& stale,
                         const std::function<void(QPainter&)>& draw, const PaintCache* under) {
    const qreal ratio = widget.devicePixelRatioF();
    const QSize pixels = widget.size() * ratio;
    const QImage::Format format = ScreenImageFormat(widget);
    QRect part = stale.boundingRect();
    if (image_.size() != pixels || image_.devicePixelRatio() != ratio ||
        image_.format() != format) {
        image_ = QImage(pixels, format);
        image_.setDevicePixelRatio(ratio);
        part = widget.rect();
    }
    part &= widget.rect();
    if (part.isEmpty()) return;
    (part == widget.rect() ? fullRefreshes_ : partRefreshes_)++;
    // The part is drawn on an image of its own: the styles set clips of their own, which
    // would let them draw past a clip set here, over what the image already holds.
    QImage fresh(part.size() * ratio, format);
    fresh.setDevicePixelRatio(ratio);
    // Fonts are sized for the device they are drawn on: the image takes the screen's.
    fresh.setDotsPerMeterX(qRound(widget.logicalDpiX() / 0.0254));
    fresh.setDotsPerMeterY(qRound(widget.logicalDpiY() / 0.0254));
    {
        QPainter painter(&fresh);
        painter.translate(-part.topLeft());
        // What lies under the widget: its parent's picture where that is at hand.
        painter.fillRect(part, widget.palette().brush(QPalette::Window));
        if (under != nullptr && !under->Empty()) {
            const QPoint at = widget.pos();
            under->Paint(painter, part, at);
        }
        // What QPainter takes from a widget it begins on.
        painter.setPen(widget.palette().color(widget.foregroundRole()));
        painter.setBrush(widget.palette().brush(widget.backgroundRole()));
        painter.setBackground(widget.palette().brush(widget.backgroundRole()));
        painter.setFont(widget.font());
        painter.setLayoutDirection(widget.layoutDirection());
        draw(painter);
    }
    QPainter copy(&image_);
    copy.setCompositionMode(QPainter::CompositionMode_Source);
    copy.drawImage(part.topLeft(), fresh);
}

void PaintCache::Copy(const PaintCache& from, const QRect& to, int shift) {
    if (from.image_.isNull()) return;
    if (image_.size() != from.image_.size() || image_.format() != from.image_.format() ||
        image_.devicePixelRatio() != from.image_.devicePixelRatio()) {
        image_ = QImage(from.image_.size(), from.image_.format());
        image_.setDevicePixelRatio(from.image_.devicePixelRatio());
        image_.fill(Qt::transparent);
    }
    if (to.isEmpty()) return;
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    from.Paint(painter, to, QPoint(shift, 0));
}

void PaintCache::Paint(QWidget& widget, const QRegion& region) const {
    QPainter painter(&widget);
    for (const QRect& rect : region) Paint(painter, rect, QPoint(0, 0));
}

void PaintCache::Paint(QPainter& painter, const QRect& rect, const QPoint& from) const {
    const qreal ratio = image_.devicePixelRatio();
    const QRect source = rect.translated(from);
    painter.drawImage(QRectF(rect), image_,
                      QRectF(source.x() * ratio, source.y() * ratio, source.width() * ratio,
                             source.height() * ratio));
}

// ---- The frame ----

QRect CountdownFrame::LabelRect(const QStyleOptionGroupBox& option) const {
    return style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
}

bool CountdownFrame::DrawsCaptionItself(const QStyleOptionGroupBox& option) const {
    // Fusion draws an enabled caption as one line of text in the window text colour,
    // left-aligned in its place; anything else is left to the style.
    return UnderFusion(*this) && option.direction == Qt::LeftToRight && (option.state & QStyle::State_Enabled) &&
           !(option.state & QStyle::State_HasFocus) &&
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
    const qreal ratio = devicePixelRatioF();
    const QSize size(qCeil(layout.size().width()), drawnLabel_.height());
    QImage picture(size * ratio, ScreenImageFormat(*this));
    picture.setDevicePixelRatio(ratio);
    picture.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
    picture.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
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

// ---- The bar ----

namespace {

// Everything of a bar's look but its value.
bool SameLook(const QStyleOptionProgressBar& a, const QStyleOptionProgressBar& b) {
    return SameBase(a, b) && a.minimum == b.minimum && a.maximum == b.maximum &&
           a.text == b.text && a.textAlignment == b.textAlignment &&
           a.textVisible == b.textVisible && a.invertedAppearance == b.invertedAppearance &&
           a.bottomToTop == b.bottomToTop;
}

}  // namespace

QRect MeasuresOnce::subElementRect(SubElement element, const QStyleOption* option,
                                  const QWidget* widget) const {
    const auto* bar = qstyleoption_cast<const QStyleOptionProgressBar*>(option);
    if (bar == nullptr || (element != SE_ProgressBarGroove && element != SE_ProgressBarContents &&
                           element != SE_ProgressBarLabel)) {
        return QProxyStyle::subElementRect(element, option, widget);
    }
    for (const BarMeasure& measure : bar_) {
        if (measure.element == element && SameLook(measure.option, *bar)) return measure.rect;
    }
    // A handful of looks at most: the three parts of the bar, enabled or not.
    if (bar_.size() >= 12) bar_.clear();
    const QRect rect = QProxyStyle::subElementRect(element, option, widget);
    bar_.push_back({element, *bar, rect});
    return rect;
}

QRect MeasuresOnce::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                   SubControl part, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    // The frame and the contents lie where they lie whatever the caption says; the
    // caption's own place does depend on it.
    if (control != CC_GroupBox || box == nullptr ||
        (part != SC_GroupBoxFrame && part != SC_GroupBoxContents)) {
        return QProxyStyle::subControlRect(control, option, part, widget);
    }
    for (const FrameMeasure& measure : frame_) {
        if (measure.part == part && SameFrameLook(measure.option, *box)) return measure.rect;
    }
    if (frame_.size() >= 8) frame_.clear();
    const QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
    frame_.push_back({part, *box, rect});
    return rect;
}

CountdownBar::CountdownBar(QWidget* parent) : QProgressBar(parent) {
    UseMeasuresOnce(*this);
}

bool CountdownBar::Splits(const QStyleOptionProgressBar& bar) const {
    // Fusion fills a bar the same all along, so the end of any fill looks like any other;
    // a style that fills in chunks or with a moving glow is left to draw its own columns.
    return UnderFusion(*this) && (bar.state & QStyle::State_Horizontal) && bar.direction == Qt::LeftToRight &&
           !bar.invertedAppearance && bar.minimum < bar.maximum;
}

int CountdownBar::SplitColumn(const QStyleOptionProgressBar& bar) const {
    if (bar.progress <= bar.minimum) return 0;
    if (bar.progress >= bar.maximum) return width();
    return FillEnd(contents_, bar);
}

namespace {

// The columns where two pictures of a widget differ.
std::pair<int, int> DifferentColumns(const QImage& a, const QImage& b) {
    int from = a.width();
    int to = -1;
    for (int y = 0; y < a.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (p[x] != q[x]) {
                from = std::min(from, x);
                to = std::max(to, x);
            }
        }
    }
    return {from, to};
}

// How far either side of the end of its fill a style draws the fill's edge.
constexpr int kEdge = 4;

}  // namespace

void CountdownBar::DrawLook(const QStyleOptionProgressBar& now, const PaintCache* under) {
    const auto draw = [&](PaintCache& into, const QStyleOptionProgressBar& bar) {
        into.Refresh(*this, rect(), [&](QPainter& painter) {
            style()->drawControl(QStyle::CE_ProgressBar, &bar, &painter, this);
        }, under);
    };
    QStyleOptionProgressBar end = now;
    end.progress = end.minimum;
    draw(empty_, end);
    end.progress = end.maximum;
    draw(full_, end);
    contents_ = style()->subElementRect(QStyle::SE_ProgressBarContents, &now, this);

    // The text's columns: where the bar drawn without it looks different.
    textFrom_ = width();
    textTo_ = -1;
    PaintCache bare;
    end.textVisible = false;
    for (const int value : {end.minimum, end.maximum}) {
        end.progress = value;
        draw(bare, end);
        const QImage& with = value == end.minimum ? empty_.Image() : full_.Image();
        const auto [from, to] = DifferentColumns(with, bare.Image());
        textFrom_ = std::min(textFrom_, from);
        textTo_ = std::max(textTo_, to);
    }
    // A fill ending in the middle of the bar, drawn without text.
    end.minimum = 0;
    end.maximum = std::max(1, contents_.width());
    end.progress = end.maximum / 2;
    draw(edge_, end);
    edgeAt_ = FillEnd(contents_, end);
}

void CountdownBar::DrawColumns(const QStyleOptionProgressBar& now, int split, const QRect& part,
                               const PaintCache* under) {
    const QRect edge(QPoint(split - kEdge, 0), QPoint(split + kEdge - 1, height() - 1));
    const bool plainEdge = split <= 0 || split >= width() ||
                           (edge.left() > contents_.left() + kEdge &&
                            edge.right() < contents_.right() - kEdge &&
                            (edge.right() < textFrom_ || edge.left() > textTo_));
    if (!plainEdge) {
        // Where the end of the fill meets the text or an end of the bar, the style draws it.
        cache_.Refresh(*this, part, [&](QPainter& painter) {
            style()->drawControl(QStyle::CE_ProgressBar, &now, &painter, this);
        }, under);
        return;
    }
    // An empty or a full bar has no edge inside it.
    const bool inside = split > 0 && split < width();
    const int left = inside ? edge.left() : split;
    const int right = inside ? edge.right() + 1 : split;
    const int bottom = height() - 1;
    cache_.Copy(full_, part & QRect(QPoint(part.left(), 0), QPoint(left - 1, bottom)));
    cache_.Copy(empty_, part & QRect(QPoint(right, 0), QPoint(part.right(), bottom)));
    if (inside) cache_.Copy(edge_, part & edge, edgeAt_ - split);
    cache_.Counted(part == rect());
}

void CountdownBar::PaintSplit(const QStyleOptionProgressBar& now, const PaintCache* under,
                              int underStamp) {
    const bool fresh = empty_.Empty() || cache_.Empty() || underStamp != underStamp_ ||
                       !SameLook(drawn_, now) || !Splits(drawn_);
    if (fresh) {
        DrawLook(now, under);
        DrawColumns(now, SplitColumn(now), rect(), under);
        return;
    }
    const int was = SplitColumn(drawn_);
    const int split = SplitColumn(now);
    if (was == split) return;
    const int from = std::min(was, split) - 2 * kEdge;
    const int to = std::max(was, split) + 2 * kEdge;
    DrawColumns(now, split, QRect(QPoint(from, 0), QPoint(to, height() - 1)) & rect(), under);
}

QRegion CountdownBar::Stale(const QStyleOptionProgressBar& now, int underStamp) const {
    // The frame's picture under the bar was drawn afresh: so is the bar. A style other
    // than Fusion may fill in chunks that end well before the end of the fill: it draws
    // the whole bar.
    if (cache_.Empty() || underStamp != underStamp_ || !UnderFusion(*this)) return rect();
    const QStyleOptionProgressBar& was = drawn_;
    const bool sameOtherwise = SameBase(was, now) && was.minimum == now.minimum &&
                               was.maximum == now.maximum && was.text == now.text &&
                               was.textAlignment == now.textAlignment &&
                               was.textVisible == now.textVisible &&
                               was.invertedAppearance == now.invertedAppearance &&
                               was.bottomToTop == now.bottomToTop;
    if (!sameOtherwise) return rect();
    if (was.progress == now.progress) return QRegion();
    // An empty or a full bar is drawn differently at its ends; a move between two
    // values inside the range only changes the columns around the end of the fill.
    const auto inside = [](const QStyleOptionProgressBar& bar) {
        return bar.progress > bar.minimum && bar.progress < bar.maximum;
    };
    const bool plain = (now.state & QStyle::State_Horizontal) && now.direction == Qt::LeftToRight &&
                       !now.invertedAppearance;
    if (!plain || !inside(was) || !inside(now)) return rect();
    int from = width();
    int to = 0;
    bool moved = false;
    for (const QStyle::SubElement element : {QStyle::SE_ProgressBarGroove,
                                             QStyle::SE_ProgressBarContents,
                                             QStyle::SE_ProgressBarLabel}) {
        const QRect area = style()->subElementRect(element, &now, this);
        moved = moved || FillEnd(area, was) != FillEnd(area, now);
        for (const QStyleOptionProgressBar* bar : {&was, &now}) {
            from = std::min(from, FillEnd(area, *bar));
            to = std::max(to, FillEnd(area, *bar));
        }
    }
    // A long interval moves the end of the fill by a pixel only every few seconds.
    if (!moved) return QRegion();
    // The styles draw an edge and a shadow a few pixels either side of the end.
    return QRect(QPoint(from - 6, 0), QPoint(to + 6, height() - 1));
}

void CountdownBar::paintEvent(QPaintEvent* event) {
    if (!PaintCache::Usable(*this)) {
        cache_.Clear();
        QProgressBar::paintEvent(event);
        return;
    }
    QStyleOptionProgressBar now;
    initStyleOption(&now);
    // The frame's own picture lies under the bar.
    const auto* frame = qobject_cast<const CountdownFrame*>(parentWidget());
    const int underStamp =
        frame != nullptr && !frame->Cache().Empty() ? frame->Cache().FullRefreshes() : -1;
    const PaintCache* under = frame != nullptr ? &frame->Cache() : nullptr;
    if (Splits(now)) {
        PaintSplit(now, under, underStamp);
    } else {
        empty_.Clear();
        full_.Clear();
        cache_.Refresh(*this, Stale(now, underStamp), [&](QPainter& painter) {
            style()->drawControl(QStyle::CE_ProgressBar, &now, &painter, this);
        }, under);
    }
    drawn_ = now;
    underStamp_ = underStamp;
    cache_.Paint(*this, event->region());
}

}  // namespace bytelora
