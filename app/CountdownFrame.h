#pragma once

#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QProgressBar>
#include <QProxyStyle>
#include <QRegion>
#include <QStyleOption>

#include <functional>
#include <vector>

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

// The styles lay a progress bar's text out to find where its groove, fill and label
// lie, and QProgressBar asks for them at every new value, shown or not. Those places
// don't depend on the value: this style measures them once per look of the bar.
class BarMeasures final : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override;

  private:
    struct Measure {
        SubElement element;
        QStyleOptionProgressBar option;
        QRect rect;
    };
    mutable std::vector<Measure> measures_;
};

// The countdown bar: a progress bar that moves one step a second. Its empty and its full
// picture are drawn once; a value in between shows the full one left of the end of the
// fill and the empty one right of it, so a step copies a few columns.
class CountdownBar : public QProgressBar {
    Q_OBJECT

  public:
    explicit CountdownBar(QWidget* parent = nullptr);
    const PaintCache& Cache() const { return cache_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRegion Stale(const QStyleOptionProgressBar& now, int underStamp) const;
    // Whether the bar fills from left to right: then its picture is split at one column.
    static bool Splits(const QStyleOptionProgressBar& bar);
    int SplitColumn(const QStyleOptionProgressBar& bar) const;
    // Draws the empty and the full bar, the end of a fill, and finds the text's columns.
    void DrawLook(const QStyleOptionProgressBar& now, const PaintCache* under);
    // Draws the columns of `part` for a fill that ends at `split`.
    void DrawColumns(const QStyleOptionProgressBar& now, int split, const QRect& part,
                     const PaintCache* under);
    void PaintSplit(const QStyleOptionProgressBar& now, const PaintCache* under, int underStamp);

    PaintCache cache_;
    PaintCache empty_;
    PaintCache full_;
    // A bar without text whose fill ends at `edgeAt_`: the end of any fill looks the same.
    PaintCache edge_;
    int edgeAt_ = 0;
    QRect contents_;
    // The columns where the bar's text lies (empty when it has none).
    int textFrom_ = 0;
    int textTo_ = -1;
    QStyleOptionProgressBar drawn_;
    // Which full drawing of the frame's picture the bar was drawn over.
    int underStamp_ = -1;
};

}  // namespace bytelora
