#pragma once

#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QProgressBar>
#include <QRegion>
#include <QStyleOption>

#include <functional>

namespace bytelora {

// A widget's own drawing kept in an image. The widget paints from the image; when what
// it shows changes, only the changed part of the image is drawn again, with the same
// style call and the same painter set-up as the widget's own paint, so the pixels are
// those of a full paint.
class PaintCache {
  public:
    // Whether the cache may stand in for the widget's paint: not under a style sheet,
    // and over a plain background (the image is drawn on the window colour).
    static bool Usable(const QWidget& widget);

    // Draws `stale` (widget coordinates) of the widget into the image with `draw`, or all
    // of it when the image does not fit the widget, over the window colour and, when
    // given, the parent's cached picture (`under`).
    void Refresh(const QWidget& widget, const QRegion& stale,
                 const std::function<void(QPainter&)>& draw, const PaintCache* under = nullptr);
    // Copies the image to the widget for the region being painted.
    void Paint(QWidget& widget, const QRegion& region) const;
    // Copies `rect` of the image, moved by `from`, to `rect` of the painter's device.
    void Paint(QPainter& painter, const QRect& rect, const QPoint& from) const;
    void Clear() { image_ = QImage(); }
    bool Empty() const { return image_.isNull(); }
    // How often a part of the image was drawn again, and how often all of it.
    int PartRefreshes() const { return partRefreshes_; }
    int FullRefreshes() const { return fullRefreshes_; }

  private:
    QImage image_;
    int partRefreshes_ = 0;
    int fullRefreshes_ = 0;
};

// The logging frame: a group box whose caption changes every second. A new caption
// draws only the caption's strip again.
class CountdownFrame : public QGroupBox {
    Q_OBJECT

  public:
    using QGroupBox::QGroupBox;
    const PaintCache& Cache() const { return cache_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect LabelRect(const QStyleOptionGroupBox& option) const;

    PaintCache cache_;
    QStyleOptionGroupBox drawn_;
    QRect drawnLabel_;
};

// The countdown bar: a progress bar that moves one step a second. A new value draws
// only the columns around the old and the new end of the filled part again.
class CountdownBar : public QProgressBar {
    Q_OBJECT

  public:
    using QProgressBar::QProgressBar;
    const PaintCache& Cache() const { return cache_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRegion Stale(const QStyleOptionProgressBar& now, int underStamp) const;

    PaintCache cache_;
    QStyleOptionProgressBar drawn_;
    // Which full drawing of the frame's picture the bar was drawn over.
    int underStamp_ = -1;
};

}  // namespace bytelora
