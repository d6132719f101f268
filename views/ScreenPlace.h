#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

namespace bytelora {

// Where a small window of the given frame goes so that all of it lies on one of the
// screens' work areas: unchanged when it already does; else moved the least distance
// into the area that holds most of it, or into the nearest area when it lies on none (a
// screen unplugged since, or a stored place that was never on a screen). A frame larger
// than the area keeps its top-left corner inside. No areas: the corner is kept.
QPoint KeptOnScreen(const QRect& frame, const QList<QRect>& areas);

// The work areas of the screens that exist now.
QList<QRect> ScreenAreas();

}  // namespace bytelora
