#include "widgets/MeasuresOnce.h"

#include <QApplication>
#include <QWidget>

namespace bytelora {

bool SameBase(const QStyleOption& a, const QStyleOption& b) {
    return a.rect == b.rect && a.state == b.state && a.direction == b.direction &&
           a.palette == b.palette &&
           a.palette.currentColorGroup() == b.palette.currentColorGroup() &&
           a.fontMetrics == b.fontMetrics;
}

bool SameFrameLook(const QStyleOptionGroupBox& a, const QStyleOptionGroupBox& b) {
    return SameBase(a, b) && a.textAlignment == b.textAlignment && a.textColor == b.textColor &&
           a.subControls == b.subControls && a.activeSubControls == b.activeSubControls &&
           a.features == b.features && a.lineWidth == b.lineWidth &&
           a.midLineWidth == b.midLineWidth;
}

bool SameLook(const QStyleOptionProgressBar& a, const QStyleOptionProgressBar& b) {
    return SameBase(a, b) && a.minimum == b.minimum && a.maximum == b.maximum && a.text == b.text &&
           a.textAlignment == b.textAlignment && a.textVisible == b.textVisible &&
           a.invertedAppearance == b.invertedAppearance && a.bottomToTop == b.bottomToTop;
}

bool UnderFusion(const QWidget& widget) {
    const auto* proxy = qobject_cast<const QProxyStyle*>(widget.style());
    const QStyle* base = proxy != nullptr ? proxy->baseStyle() : widget.style();
    return base != nullptr &&
           base->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) == 0;
}

void UseMeasuresOnce(QWidget& widget) {
    auto* measures = new MeasuresOnce(QApplication::style()->name());
    measures->setParent(&widget);
    widget.setStyle(measures);
}

QRect MeasuresOnce::subElementRect(SubElement element, const QStyleOption* option,
                                   const QWidget* widget) const {
    const auto* bar = qstyleoption_cast<const QStyleOptionProgressBar*>(option);
    if (bar == nullptr || (element != SE_ProgressBarGroove && element != SE_ProgressBarContents &&
                           element != SE_ProgressBarLabel)) {
        return QProxyStyle::subElementRect(element, option, widget);
    }
    for (const BarMeasure& measure : bar_) {
        if (measure.element == element && SameLook(measure.option, *bar)) return measure.rect;
    }
    // A handful of looks at most: the three parts of the bar, enabled or not.
    if (bar_.size() >= 12) bar_.clear();
    const QRect rect = QProxyStyle::subElementRect(element, option, widget);
    bar_.push_back({element, *bar, rect});
    return rect;
}

QRect MeasuresOnce::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                   SubControl part, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    // The frame and the contents lie where they lie whatever the caption says; the
    // caption's own place does depend on it.
    if (control != CC_GroupBox || box == nullptr ||
        (part != SC_GroupBoxFrame && part != SC_GroupBoxContents)) {
        return QProxyStyle::subControlRect(control, option, part, widget);
    }
    for (const FrameMeasure& measure : frame_) {
        if (measure.part == part && SameFrameLook(measure.option, *box)) return measure.rect;
    }
    if (frame_.size() >= 8) frame_.clear();
    const QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
    frame_.push_back({part, *box, rect});
    return rect;
}

}  // namespace bytelora
