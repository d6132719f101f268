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

// The format the widget's window is painted in: blending and text come out the same
// only in it.
QImage::Format ScreenImageFormat(const QWidget& widget);

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
// draws only the caption's strip again; under the Fusion style, which draws a plain line
// of text above the frame, it lays the caption out once and draws it itself.
class CountdownFrame : public QGroupBox {
    Q_OBJECT

  public:
    explicit CountdownFrame(QWidget* parent = nullptr);
    const PaintCache& Cache() const { return cache_; }
    // How many captions were laid out and drawn by the frame itself.
    int CaptionsLaidOut() const { return laidOut_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect LabelRect(const QStyleOptionGroupBox& option) const;
    bool DrawsCaptionItself(const QStyleOptionGroupBox& option) const;
    // The caption's line drawn over the window colour; the last few are kept, so that a
    // countdown that comes round again is neither laid out nor drawn again.
    const QImage& CaptionPicture(const QString& text, const QStyleOptionGroupBox& option);

    struct Caption {
        QString text;
        QImage picture;
    };
    std::vector<Caption> captions_;
    PaintCache cache_;
    QStyleOptionGroupBox drawn_;
    QRect drawnLabel_;
    // The last column of the caption drawn.
    int captionEnd_ = 0;
    int laidOut_ = 0;
};

// The styles lay a caption out to find where a group box's contents lie, and a progress
// bar's text to find its groove, fill and label; QGroupBox asks at every new caption and
// QProgressBar at every new value, shown or not. Those places depend on neither: this
// style measures them once per look.
class MeasuresOnce final : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl part, const QWidget* widget) const override;

  private:
    struct BarMeasure {
        SubElement element;
        QStyleOptionProgressBar option;
        QRect rect;
    };
    struct FrameMeasure {
        SubControl part;
        QStyleOptionGroupBox option;
        QRect rect;
    };
    mutable std::vector<BarMeasure> bar_;
    mutable std::vector<FrameMeasure> frame_;
};

// The countdown bar: a progress bar that moves one step a second. Under Fusion its empty
// and its full picture are drawn once; a value in between shows the full one left of the
// end of the fill and the empty one right of it, so a step copies a few columns. Under
// other styles a step draws the columns around the old and the new end of the fill.
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
    bool Splits(const QStyleOptionProgressBar& bar) const;
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
