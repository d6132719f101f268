#pragma once

#include <QProxyStyle>
#include <QStyleOption>

#include <vector>

namespace bytelora {

// What every style option carries: a change here is a change of the whole picture.
bool SameBase(const QStyleOption& a, const QStyleOption& b);
// Everything of a group box's look but its caption.
bool SameFrameLook(const QStyleOptionGroupBox& a, const QStyleOptionGroupBox& b);
// Everything of a bar's look but its value.
bool SameLook(const QStyleOptionProgressBar& a, const QStyleOptionProgressBar& b);
// Whether the widget is drawn by the Fusion style, the one whose drawing the frame and
// the bar can put together from pictures.
bool UnderFusion(const QWidget& widget);

// The styles lay a caption out to find where a group box's contents lie, and a progress
// bar's text to find its groove, fill and label; QGroupBox asks at every new caption and
// QProgressBar at every new value, shown or not. Those places depend on neither: this
// style measures them once per look.
class MeasuresOnce final : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;

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

// Gives the widget its own instance of the application's style that measures once.
void UseMeasuresOnce(QWidget& widget);

}  // namespace bytelora
