#pragma once

#include <QIcon>
#include <QImage>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <vector>

namespace bytelora {

// What the tray icon draws instead of the logo: the two rates as text, or the last
// seconds as a tiny strip chart. Equal pictures draw identical pixels at every size.
struct GlancePicture {
    enum class Kind { Rates, Graph };
    Kind kind = Kind::Rates;
    // The short rate texts ("0", "85K", "1.2M"), for Rates.
    QString download;
    QString upload;
    // Whole kilobytes per second, oldest first, one a second, for Graph.
    std::vector<std::int32_t> downloadHistory;
    std::vector<std::int32_t> uploadHistory;

    bool operator==(const GlancePicture&) const = default;
};

// The most seconds the graph can show: the inner width of a 64-pixel icon.
inline constexpr int kGlanceHistorySeconds = 64;

// The rates and the graph at the pixel size asked for, drawn for that size, a square of
// side `pixels` (at least 8). Opaque everywhere: a dark backing with a light frame, so
// the picture reads the same on light and dark panels.
QImage RenderGlanceIcon(const GlancePicture& picture, int pixels);

// Where the two texts of a Rates picture land at that size: their ink's bounding boxes,
// and the box each must stay inside. For the tests, which check that nothing is cut.
struct GlanceTextPlacement {
    QRectF downloadInk;
    QRectF uploadInk;
    QRectF downloadBox;
    QRectF uploadBox;
};
GlanceTextPlacement PlaceGlanceTexts(const GlancePicture& picture, int pixels);

// An icon that draws the picture afresh at every size and device pixel ratio it is
// asked for, never scaling one bitmap.
QIcon GlanceIcon(const GlancePicture& picture);

}  // namespace bytelora
