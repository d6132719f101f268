#pragma once

#include <QRect>
#include <QScrollBar>
#include <QStyleOption>

#include "widgets/PaintCache.h"

namespace bytelora {

// A scroll bar that the style draws again only when it looks different. A list that
// grows repaints its scroll bar with every row, although past a screenful or two the
// handle keeps its size and place to the pixel. This one keeps its picture and copies it
// while the handle, the arrows' limits and the rest of its look stay as they were; while
// the pointer is over it or its handle is held, it paints as a plain scroll bar does.
class CachedScrollBar : public QScrollBar {
    Q_OBJECT

  public:
    explicit CachedScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);
    const PaintCache& Cache() const { return cache_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // What the style's picture of the bar depends on, without the numbers that only
    // place the handle.
    struct Look {
        QStyleOptionSlider option;
        QRect handle;
        bool atMinimum = false;
        bool atMaximum = false;
        bool Same(const Look& other) const;
    };
    Look LookNow() const;

    PaintCache cache_;
    Look drawn_;
};

}  // namespace bytelora
