#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QWidget>

#include <functional>

namespace bytelora {

// The format the widget's window is painted in: blending and text come out the same
// only in it.
QImage::Format ScreenImageFormat(const QWidget& widget);

// An image to draw `size` (widget coordinates) of the widget on as it would be drawn on
// the screen: the window's format and pixel ratio, and the screen's resolution, which
// fonts are sized for.
QImage ScreenImage(const QWidget& widget, const QSize& size);

// A widget's own drawing kept in an image. The widget paints from the image; when what
// it shows changes, only the changed part of the image is drawn again, with the same
// style call and the same painter set-up as the widget's own paint, so the pixels are
// those of a full paint.
class PaintCache {
  public:
    // Whether the cache may stand in for the widget's paint: not under a style sheet,
    // and over a plain background (the image is drawn on the window colour).
    static bool Usable(const QWidget& widget);
    // Marks the widget opaque while the cache may stand in for its paint: drawn from the
    // cache, which holds what lies under the widget too, it covers its whole place, so the
    // window need not paint there first; the style's own paint does not. Call it when the
    // widget is made and with its change events: it acts on those that can change Usable().
    static void MarkOpaque(QWidget& widget, const QEvent* change = nullptr);

    // Draws `stale` (widget coordinates) of the widget into the image with `draw`, or all
    // of it when the image does not fit the widget, over the window colour and, when
    // given, the parent's cached picture (`under`).
    void Refresh(const QWidget& widget, const QRegion& stale,
                 const std::function<void(QPainter&)>& draw, const PaintCache* under = nullptr);
    // Copies the image to the widget for the region being painted.
    void Paint(QWidget& widget, const QRegion& region) const;
    // Copies `rect` of the image, moved by `from`, to `rect` of the painter's device.
    void Paint(QPainter& painter, const QRect& rect, const QPoint& from) const;
    // Copies `to` (widget coordinates) from another image of the same widget, taken
    // `shift` columns further right there; makes the image when it does not fit.
    void Copy(const PaintCache& from, const QRect& to, int shift = 0);
    // Counts a drawing made of copies.
    void Counted(bool whole) { (whole ? fullRefreshes_ : partRefreshes_)++; }
    void Clear() { image_ = QImage(); }
    const QImage& Image() const { return image_; }
    bool Empty() const { return image_.isNull(); }
    // How often a part of the image was drawn again, and how often all of it.
    int PartRefreshes() const { return partRefreshes_; }
    int FullRefreshes() const { return fullRefreshes_; }

  private:
    // The image a part is drawn on before it is copied in. A part of the same size as the
    // last one (the countdown's caption line, every second) is drawn on the same image:
    // Qt sets up a paint engine for every new image painted on.
    QImage& Scratch(const QWidget& widget, const QSize& size);

    QImage image_;
    QImage scratch_;
    int partRefreshes_ = 0;
    int fullRefreshes_ = 0;
};

}  // namespace bytelora
