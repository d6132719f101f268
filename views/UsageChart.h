#pragma once

#include <QColor>
#include <QWidget>

#include <vector>

#include "usage/UsageView.h"

namespace bytelora {

// A bar chart of one view, drawn with QPainter: for each entry a download bar (red)
// beside an upload bar (green), the colours of the strip chart.
class UsageChart : public QWidget {
    Q_OBJECT

  public:
    explicit UsageChart(QWidget* parent = nullptr);

    void SetBuckets(std::vector<UsageBucket> buckets);
    const std::vector<UsageBucket>& Buckets() const { return buckets_; }
    // The amount at the top of the scale: the largest bar, rounded up to a round figure.
    std::uint64_t ScaleTop() const { return scaleTop_; }

    QSize sizeHint() const override { return {640, 220}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<UsageBucket> buckets_;
    std::uint64_t scaleTop_ = 0;
};

// The top of a scale for `largest`: 1, 2 or 5 times a power of 1024 times a power of 10.
std::uint64_t RoundScaleTop(std::uint64_t largest);

}  // namespace bytelora
