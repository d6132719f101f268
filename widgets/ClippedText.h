#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

namespace bytelora {

// The texts a window shows cut off: each visible label, button, check box or frame
// title whose text needs more room than its widget has, as "object: text". Longer
// translations are what makes them; the tests and the real-display checks ask.
QStringList ClippedTexts(const QWidget& window);

// With BYTELORA_REPORT_CLIPPED_TEXT set (only the real-display checks set it), every
// window that shows is checked once it is laid out, and each cut-off text is written to
// the standard error as "bytelora: clipped text in <window>: <object>: <text>".
void ReportClippedTextsWhenAsked();

}  // namespace bytelora
