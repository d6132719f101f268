#pragma once

#include <QGroupBox>
#include <QImage>
#include <QStyleOption>

#include <vector>

#include "widgets/PaintCache.h"

namespace bytelora {

// The logging frame: a group box whose caption changes every second. A new caption
// draws only the caption's strip again; under the Fusion style, which draws a plain line
// of text above the frame, it lays the caption out once and draws it itself.
class CountdownFrame : public QGroupBox {
    Q_OBJECT

  public:
    explicit CountdownFrame(QWidget* parent = nullptr);
    // Sets the caption and repaints only its line: QGroupBox::setTitle repaints the whole
    // frame, and the bar inside it with it, every second.
    void SetCaption(const QString& text);
    const PaintCache& Cache() const { return cache_; }
    // How many captions were laid out and drawn by the frame itself.
    int CaptionsLaidOut() const { return laidOut_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

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

}  // namespace bytelora
