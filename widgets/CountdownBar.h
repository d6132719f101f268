#pragma once

#include <QProgressBar>
#include <QRegion>
#include <QStyleOption>

#include "widgets/PaintCache.h"

namespace bytelora {

// The countdown bar: a progress bar that moves one step a second. Under Fusion its empty
// and its full picture are drawn once; a value in between shows the full one left of the
// end of the fill and the empty one right of it, so a step copies a few columns. Under
// other styles a step draws the whole bar into its image.
class CountdownBar : public QProgressBar {
    Q_OBJECT

  public:
    explicit CountdownBar(QWidget* parent = nullptr);
    // Sets the value and repaints only the columns between the old and the new end of
    // the fill where the bar is put together from pictures; QProgressBar::setValue
    // repaints the whole bar at once.
    void ShowValue(int value);
    const PaintCache& Cache() const { return cache_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QRegion Stale(const QStyleOptionProgressBar& now, int underStamp) const;
    // Whether the bar fills from left to right: then its picture is split at one column.
    bool Splits(const QStyleOptionProgressBar& bar) const;
    int SplitColumn(const QStyleOptionProgressBar& bar) const;
    // The columns a step from the bar on screen to `now` changes.
    QRect StepColumns(const QStyleOptionProgressBar& now) const;
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
