#include "widgets/CachedScrollBar.h"

#include <QPaintEvent>
#include <QStyle>

#include "widgets/MeasuresOnce.h"

namespace bytelora {

CachedScrollBar::CachedScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {
    PaintCache::MarkOpaque(*this);
}

void CachedScrollBar::changeEvent(QEvent* event) {
    QScrollBar::changeEvent(event);
    PaintCache::MarkOpaque(*this, event);
}

bool CachedScrollBar::Look::Same(const Look& other) const {
    const QStyleOptionSlider& a = option;
    const QStyleOptionSlider& b = other.option;
    return SameBase(a, b) && a.orientation == b.orientation && a.subControls == b.subControls &&
           a.activeSubControls == b.activeSubControls && a.upsideDown == b.upsideDown &&
           (a.maximum == a.minimum) == (b.maximum == b.minimum) && handle == other.handle &&
           atMinimum == other.atMinimum && atMaximum == other.atMaximum;
}

CachedScrollBar::Look CachedScrollBar::LookNow() const {
    Look look;
    initStyleOption(&look.option);
    // As QScrollBar paints itself with nothing pressed and the pointer elsewhere.
    look.option.subControls = QStyle::SC_All;
    look.option.activeSubControls = QStyle::SC_None;
    look.handle = style()->subControlRect(QStyle::CC_ScrollBar, &look.option,
                                          QStyle::SC_ScrollBarSlider, this);
    look.atMinimum = look.option.sliderValue == look.option.minimum;
    look.atMaximum = look.option.sliderValue == look.option.maximum;
    return look;
}

void CachedScrollBar::paintEvent(QPaintEvent* event) {
    if (!PaintCache::Usable(*this) || underMouse() || isSliderDown()) {
        cache_.Clear();
        QScrollBar::paintEvent(event);
        return;
    }
    Look now = LookNow();
    if (cache_.Empty() || !now.Same(drawn_)) {
        cache_.Refresh(*this, rect(), [&](QPainter& painter) {
            style()->drawComplexControl(QStyle::CC_ScrollBar, &now.option, &painter, this);
        });
        drawn_ = std::move(now);
    }
    cache_.Paint(*this, event->region());
}

}  // namespace bytelora
