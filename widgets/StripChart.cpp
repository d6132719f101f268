#include "widgets/StripChart.h"

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
    pending_.push_back(Step{upload, download, uploadColour, downloadColour});
    ++behind_;
    // A step is scrolled out of the image once enough later steps have come.
    const std::size_t reaching = static_cast<std::size_t>(image_.width() / kStep + 2);
    while (pending_.size() > reaching) pending_.pop_front();
}

const QImage& StripChart::Image() const {
    DrawPending();
    return image_;
}

void StripChart::DrawPending() const {
    if (behind_ == 0) return;
    const int width = image_.width();
    ScrollLeft(static_cast<int>(std::min<long long>(behind_ * kStep, width)));
    // The newest step lands at W - 4, each older one two pixels further left.
    int x = width - 4 - kStep * (static_cast<int>(pending_.size()) - 1);
    for (const Step& step : pending_) {
        DrawStep(step, x);
        x += kStep;
    }
    pending_.clear();
    behind_ = 0;
}

void StripChart::DrawStep(const Step& step, int x) const {
    const int height = image_.height();
    const double up = std::min(static_cast<double>(step.upload), kSentFullScale);
    const double down = std::min(static_cast<double>(step.download), kRecvFullScale);
    const double u = height * up / kSentFullScale;
    const long long d = RoundHalfEven(height * down / kRecvFullScale);

    FillColumn(x, 0, height, kBackground);
    FillColumn(x, RoundHalfEven(height - u), height, FromColorref(step.uploadColour));
    FillColumn(x + 1, 0, d, FromColorref(step.downloadColour));
}

void StripChart::ScrollLeft(int pixels) const {
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

void StripChart::FillColumn(int x, long long top, long long bottom, QRgb colour) const {
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
