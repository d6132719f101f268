#include "views/UsageChart.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "usage/UsageText.h"
#include "views/ShownAmounts.h"
#include "widgets/StripChart.h"

namespace bytelora {

namespace {

// The strip chart's colours are Windows RGB values (0x00BBGGRR).
QColor FromWindowsRgb(std::uint32_t value) {
    return QColor(static_cast<int>(value & 0xff), static_cast<int>((value >> 8) & 0xff),
                  static_cast<int>((value >> 16) & 0xff));
}

}  // namespace

std::uint64_t RoundScaleTop(std::uint64_t largest) {
    if (largest == 0) return 1024;
    std::uint64_t unit = 1;
    while (largest / unit >= 1024 && unit <= (UINT64_MAX >> 10)) unit <<= 10;
    // Within the unit: 1, 2, 5, 10, 20, 50, 100, 200, 500, 1000.
    for (std::uint64_t step : {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000}) {
        if (largest <= step * unit) return step * unit;
        if (step * unit > UINT64_MAX / 2) break;
    }
    return unit <= (UINT64_MAX >> 10) ? unit << 10 : UINT64_MAX;
}

UsageChart::UsageChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("UsageChart"));
    setMinimumHeight(160);
}

void UsageChart::SetBuckets(std::vector<UsageBucket> buckets) {
    buckets_ = std::move(buckets);
    std::uint64_t largest = 0;
    for (const UsageBucket& bucket : buckets_)
        largest = std::max({largest, bucket.received, bucket.sent});
    scaleTop_ = RoundScaleTop(largest);
    update();
}

void UsageChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const QFontMetrics metrics = painter.fontMetrics();
    // As wide as the widest amount the scale shows: "1023 MB".
    const int left = metrics.horizontalAdvance(ShownByteAmount(std::uint64_t{1023} << 20)) + 8;
    const int bottom = height() - metrics.height() - 6;
    const int top = metrics.height() / 2 + 4;
    const QRect plot(left, top, std::max(1, width() - left - 8), std::max(1, bottom - top));

    // Scale: the top amount, the half and zero, with light guide lines.
    painter.setPen(palette().color(QPalette::Mid));
    for (int part = 0; part <= 2; ++part) {
        const int y = plot.bottom() - plot.height() * part / 2;
        painter.drawLine(plot.left(), y, plot.right(), y);
    }
    painter.setPen(palette().color(QPalette::Text));
    const std::uint64_t values[] = {0, scaleTop_ / 2, scaleTop_};
    for (int part = 0; part <= 2; ++part) {
        const int y = plot.bottom() - plot.height() * part / 2;
        painter.drawText(QRect(0, y - metrics.height() / 2, left - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, ShownByteAmount(values[part]));
    }
    if (buckets_.empty()) return;

    const double slot = static_cast<double>(plot.width()) / static_cast<double>(buckets_.size());
    const double barWidth = std::max(1.0, slot * 0.4);
    const auto barHeight = [&](std::uint64_t bytes) {
        return static_cast<double>(plot.height()) *
               (static_cast<double>(bytes) / static_cast<double>(scaleTop_));
    };
    // Labels under the bars, as many as fit.
    const int labelWidth = metrics.horizontalAdvance(QStringLiteral("00-00")) + 6;
    const std::size_t every = std::max<std::size_t>(
        1, static_cast<std::size_t>(std::ceil(labelWidth / std::max(slot, 1.0))));
    for (std::size_t i = 0; i < buckets_.size(); ++i) {
        const double x = plot.left() + slot * static_cast<double>(i) + slot * 0.1;
        const double down = barHeight(buckets_[i].received);
        const double up = barHeight(buckets_[i].sent);
        painter.fillRect(QRectF(x, plot.bottom() - down, barWidth, down),
                         FromWindowsRgb(StripChart::kDownloadColour));
        painter.fillRect(QRectF(x + barWidth, plot.bottom() - up, barWidth, up),
                         FromWindowsRgb(StripChart::kUploadColour));
        if (i % every == 0) {
            // "2024-03-05T14:00" -> "14", "2024-03-05" -> "05", "2024-03" -> "03/24".
            const std::string& label = buckets_[i].label;
            QString text;
            if (label.size() > 10) {
                text = QString::fromStdString(label.substr(11, 2));
            } else if (label.size() == 10) {
                text = QString::fromStdString(label.substr(8, 2));
            } else {
                text = QString::fromStdString(label.substr(5, 2) + "/" + label.substr(2, 2));
            }
            painter.drawText(QRectF(x - slot * 0.1, bottom + 2, slot * static_cast<double>(every),
                                    metrics.height()),
                             Qt::AlignLeft | Qt::AlignTop, text);
        }
    }
}

}  // namespace bytelora
