#include "widgets/CountdownBar.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cstdint>
#include <utility>

#include "widgets/CountdownFrame.h"
#include "widgets/MeasuresOnce.h"

namespace bytelora {
namespace {

// The column where a bar over `area` ends at `progress`, as the styles place it.
int FillEnd(const QRect& area, const QStyleOptionProgressBar& bar) {
    const std::int64_t steps = std::max<std::int64_t>(1, std::int64_t{bar.maximum} - bar.minimum);
    return area.left() +
           static_cast<int>((std::int64_t{bar.progress} - bar.minimum) * area.width() / steps);
}

}  // namespace

CountdownBar::CountdownBar(QWidget* parent) : QProgressBar(parent) {
    UseMeasuresOnce(*this);
    PaintCache::MarkOpaque(*this);
}

void CountdownBar::changeEvent(QEvent* event) {
    QProgressBar::changeEvent(event);
    PaintCache::MarkOpaque(*this, event);
}

bool CountdownBar::Splits(const QStyleOptionProgressBar& bar) const {
    // Fusion fills a bar the same all along, so the end of any fill looks like any other;
    // a style that fills in chunks or with a moving glow is left to draw its own columns.
    return UnderFusion(*this) && (bar.state & QStyle::State_Horizontal) &&
           bar.direction == Qt::LeftToRight && !bar.invertedAppearance && bar.minimum < bar.maximum;
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
        into.Refresh(
            *this, rect(),
            [&](QPainter& painter) {
                style()->drawControl(QStyle::CE_ProgressBar, &bar, &painter, this);
            },
            under);
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
    const bool plainEdge =
        split <= 0 || split >= width() ||
        (edge.left() > contents_.left() + kEdge && edge.right() < contents_.right() - kEdge &&
         (edge.right() < textFrom_ || edge.left() > textTo_));
    if (!plainEdge) {
        // Where the end of the fill meets the text or an end of the bar, the style draws it.
        cache_.Refresh(
            *this, part,
            [&](QPainter& painter) {
                style()->drawControl(QStyle::CE_ProgressBar, &now, &painter, this);
            },
            under);
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

QRect CountdownBar::StepColumns(const QStyleOptionProgressBar& now) const {
    // From the end of the fill on screen to the new one, with the edges a style draws
    // either side of both.
    const int was = SplitColumn(drawn_);
    const int split = SplitColumn(now);
    const int from = std::min(was, split) - 2 * kEdge;
    const int to = std::max(was, split) + 2 * kEdge;
    return QRect(QPoint(from, 0), QPoint(to, height() - 1)) & rect();
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
    const int split = SplitColumn(now);
    if (SplitColumn(drawn_) == split) return;
    DrawColumns(now, split, StepColumns(now), under);
}

void CountdownBar::ShowValue(int value) {
    if (value == this->value()) return;
    // Put together from pictures, a step changes only its columns. The bar's range and
    // look are those last painted: a change of either repaints the whole bar by itself.
    const bool piecewise = isVisible() && updatesEnabled() && !cache_.Empty() && !empty_.Empty() &&
                           Splits(drawn_) && drawn_.minimum == minimum() &&
                           drawn_.maximum == maximum() && PaintCache::Usable(*this);
    setAttribute(Qt::WA_UpdatesDisabled, true);
    setValue(value);
    setAttribute(Qt::WA_UpdatesDisabled, false);
    if (!piecewise || this->value() != value) {
        update();
        return;
    }
    QStyleOptionProgressBar now = drawn_;
    now.progress = value;
    update(StepColumns(now));
}

QRegion CountdownBar::Stale(const QStyleOptionProgressBar& now, int underStamp) const {
    // Not put together from pictures (another style than Fusion, which may fill in
    // chunks, or a bar that does not fill from left to right): a new look, value or
    // picture of the frame under the bar draws the whole bar.
    const bool same = !cache_.Empty() && underStamp == underStamp_ && SameLook(drawn_, now) &&
                      drawn_.progress == now.progress;
    return same ? QRegion() : QRegion(rect());
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
        cache_.Refresh(
            *this, Stale(now, underStamp),
            [&](QPainter& painter) {
                style()->drawControl(QStyle::CE_ProgressBar, &now, &painter, this);
            },
            under);
    }
    drawn_ = now;
    underStamp_ = underStamp;
    cache_.Paint(*this, event->region());
}

}  // namespace bytelora
