#include "monitor/StripChart.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace bytelora {

namespace {

constexpr int kStep = 2;

// The chart's pixel rows follow the rounding of the drawing surface it replaces: a
// half goes to the even neighbour.
long long RoundHalfEven(double value) {
    return std::llrint(value);
}

}  // namespace

StripChart::StripChart(int width, int height)
    : image_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32) {
    image_.fill(kBackground);
}

QRgb StripChart::FromColorref(std::uint32_t colour) {
    return qRgb(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                static_cast<int>((colour >> 16) & 0xFFu));
}

void StripChart::PlotRates(std::int32_t upload, std::int32_t download, std::uint32_t uploadColour,
                           std::uint32_t downloadColour) {
    const int width = image_.width();
    const int height = image_.height();
    ScrollLeft(kStep);

    const double up = std::min(static_cast<double>(upload), kSentFullScale);
    const double down = std::min(static_cast<double>(download), kRecvFullScale);
    const double u = height * up / kSentFullScale;
    const long long d = RoundHalfEven(height * down / kRecvFullScale);
    const int x = width - 4;

    FillColumn(x, 0, height, kBackground);
    FillColumn(x, RoundHalfEven(height - u), height, FromColorref(uploadColour));
    FillColumn(x + 1, 0, d, FromColorref(downloadColour));
}

void StripChart::ScrollLeft(int pixels) {
    const int width = image_.width();
    const int kept = std::max(width - pixels, 0);
    for (int y = 0; y < image_.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        if (kept > 0) {
            std::memmove(line, line + pixels, static_cast<std::size_t>(kept) * sizeof(QRgb));
        }
        // Nothing lies beyond the right edge: the columns that open up are background.
        std::fill(line + kept, line + width, kBackground);
    }
}

void StripChart::FillColumn(int x, long long top, long long bottom, QRgb colour) {
    if (x < 0 || x >= image_.width()) {
        return;
    }
    const int from = static_cast<int>(std::clamp<long long>(top, 0, image_.height()));
    const int to = static_cast<int>(std::clamp<long long>(bottom, 0, image_.height()));
    uchar* const bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    for (int y = from; y < to; ++y) {
        reinterpret_cast<QRgb*>(bits + y * stride)[x] = colour;
    }
}

}  // namespace bytelora
