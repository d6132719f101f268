#include "views/ScreenPlace.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <limits>

namespace bytelora {
namespace {

long long OverlapArea(const QRect& a, const QRect& b) {
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : static_cast<long long>(both.width()) * both.height();
}

// The squared distance between the frame's centre and the nearest point of the area.
long long DistanceSquared(const QRect& frame, const QRect& area) {
    const QPoint centre = frame.center();
    const long long dx = centre.x() < area.left()
                             ? area.left() - centre.x()
                             : (centre.x() > area.right() ? centre.x() - area.right() : 0);
    const long long dy = centre.y() < area.top()
                             ? area.top() - centre.y()
                             : (centre.y() > area.bottom() ? centre.y() - area.bottom() : 0);
    return dx * dx + dy * dy;
}

int ClampedStart(int start, int length, int areaStart, int areaLength) {
    // Too long for the area: its start stays inside, where the user can take hold of it.
    if (length >= areaLength) return areaStart;
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

}  // namespace

QPoint KeptOnScreen(const QRect& frame, const QList<QRect>& areas) {
    if (areas.isEmpty()) return frame.topLeft();
    for (const QRect& area : areas) {
        if (area.contains(frame)) return frame.topLeft();
    }
    const QRect* best = nullptr;
    long long bestOverlap = 0;
    for (const QRect& area : areas) {
        const long long overlap = OverlapArea(frame, area);
        if (overlap > bestOverlap) {
            bestOverlap = overlap;
            best = &area;
        }
    }
    if (best == nullptr) {
        long long nearest = std::numeric_limits<long long>::max();
        for (const QRect& area : areas) {
            const long long distance = DistanceSquared(frame, area);
            if (distance < nearest) {
                nearest = distance;
                best = &area;
            }
        }
    }
    return {ClampedStart(frame.x(), frame.width(), best->x(), best->width()),
            ClampedStart(frame.y(), frame.height(), best->y(), best->height())};
}

QList<QRect> ScreenAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.append(screen->availableGeometry());
    }
    return areas;
}

}  // namespace bytelora
