#include "widgets/PaintCache.h"

#include <QBackingStore>
#include <QEvent>
#include <QStyle>

#include <cstring>
#include <optional>

namespace bytelora {
namespace {

// The device pixels `rect` covers at `ratio`, when its edges fall on whole pixels.
std::optional<QRect> WholePixels(const QRectF& rect, qreal ratio) {
    const QRectF device(rect.x() * ratio, rect.y() * ratio, rect.width() * ratio,
                        rect.height() * ratio);
    const QRect whole = device.toRect();
    if (QRectF(whole) != device) return std::nullopt;
    return whole;
}

// Copies `source` of one image to `at` of another of the same format, row by row: on
// whole pixels that is all a painter in source mode does, and a step of the countdown
// copies several such strips every second.
bool CopyRows(const QImage& from, const QRect& source, QImage& to, const QPoint& at) {
    if (from.format() != to.format() || from.depth() % 8 != 0 || source.isEmpty() ||
        !from.rect().contains(source) || !to.rect().contains(QRect(at, source.size()))) {
        return false;
    }
    const int bytes = from.depth() / 8;
    const std::size_t length = static_cast<std::size_t>(source.width()) * bytes;
    uchar* const bits = to.bits();
    for (int y = 0; y < source.height(); ++y) {
        std::memcpy(bits + (at.y() + y) * to.bytesPerLine() + at.x() * bytes,
                    from.constScanLine(source.y() + y) + source.x() * bytes, length);
    }
    return true;
}

}  // namespace

QImage::Format ScreenImageFormat(const QWidget& widget) {
    const QWidget* window = widget.window();
    QBackingStore* store = window != nullptr ? window->backingStore() : nullptr;
    if (const auto* image =
            store != nullptr ? dynamic_cast<const QImage*>(store->paintDevice()) : nullptr;
        image != nullptr && !image->isNull()) {
        return image->format();
    }
    return QImage::Format_ARGB32_Premultiplied;
}

QImage ScreenImage(const QWidget& widget, const QSize& size) {
    const qreal ratio = widget.devicePixelRatioF();
    QImage image(size * ratio, ScreenImageFormat(widget));
    image.setDevicePixelRatio(ratio);
    image.setDotsPerMeterX(qRound(widget.logicalDpiX() / 0.0254));
    image.setDotsPerMeterY(qRound(widget.logicalDpiY() / 0.0254));
    return image;
}

bool PaintCache::Usable(const QWidget& widget) {
    const QStyle* style = widget.style();
    if (style == nullptr || style->inherits("QStyleSheetStyle")) return false;
    if (widget.testAttribute(Qt::WA_StyledBackground)) return false;
    return widget.palette().brush(QPalette::Window).style() == Qt::SolidPattern;
}

void PaintCache::MarkOpaque(QWidget& widget, const QEvent* change) {
    if (change != nullptr && change->type() != QEvent::StyleChange &&
        change->type() != QEvent::PaletteChange) {
        return;
    }
    widget.setAttribute(Qt::WA_OpaquePaintEvent, Usable(widget));
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
    // A whole picture is drawn again seldom: only a part keeps its image.
    QImage whole;
    QImage& fresh = part == widget.rect() ? (whole = ScreenImage(widget, part.size()))
                                          : Scratch(widget, part.size());
    const QBrush& window = widget.palette().brush(QPalette::Window);
    if (!window.isOpaque()) fresh.fill(Qt::transparent);
    {
        QPainter painter(&fresh);
        painter.translate(-part.topLeft());
        // What lies under the widget: its parent's picture where that is at hand.
        painter.fillRect(part, window);
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
    if (const auto target =
            WholePixels(QRectF(part.topLeft(), fresh.deviceIndependentSize()), ratio);
        target && target->size() == fresh.size() &&
        CopyRows(fresh, fresh.rect(), image_, target->topLeft())) {
        return;
    }
    QPainter copy(&image_);
    copy.setCompositionMode(QPainter::CompositionMode_Source);
    copy.drawImage(part.topLeft(), fresh);
}

QImage& PaintCache::Scratch(const QWidget& widget, const QSize& size) {
    const qreal ratio = widget.devicePixelRatioF();
    if (scratch_.size() != size * ratio || scratch_.format() != ScreenImageFormat(widget) ||
        scratch_.devicePixelRatio() != ratio ||
        scratch_.dotsPerMeterX() != qRound(widget.logicalDpiX() / 0.0254) ||
        scratch_.dotsPerMeterY() != qRound(widget.logicalDpiY() / 0.0254)) {
        scratch_ = ScreenImage(widget, size);
    }
    return scratch_;
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
    const qreal ratio = image_.devicePixelRatio();
    const auto target = WholePixels(QRectF(to), ratio);
    const auto source = WholePixels(QRectF(to.translated(shift, 0)), ratio);
    if (target && source && CopyRows(from.image_, *source, image_, target->topLeft())) return;
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

}  // namespace bytelora
