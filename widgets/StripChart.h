#pragma once

#include <QImage>
#include <QRgb>

#include <cstdint>
#include <deque>

namespace bytelora {

// The scrolling bandwidth chart: each step adds a two-pixel column at the right edge,
// the upload bar growing from the bottom and the download bar hanging from the top,
// each reaching the opposite edge at full scale. The image lives off-screen for the
// whole run, so the graph window shows the chart since start-up whenever it is opened.
class StripChart {
  public:
    // The graph window's drawing surface: 4860 x 3375 twips at 15 twips a pixel.
    static constexpr int kDefaultWidth = 324;
    static constexpr int kDefaultHeight = 225;
    // Kilobytes per second drawn at the full height.
    static constexpr double kSentFullScale = 512.0;
    static constexpr double kRecvFullScale = 512.0;
    // The colours the main window draws with (Windows RGB values, 0x00BBGGRR).
    static constexpr std::uint32_t kUploadColour = 65280;  // green
    static constexpr std::uint32_t kDownloadColour = 255;  // red

    explicit StripChart(int width = kDefaultWidth, int height = kDefaultHeight);

    // One step: scrolls the chart two pixels left and draws the two bars at the right.
    // Rates are kilobytes per second; those above full scale are drawn at full scale,
    // negative ones draw nothing. Colours are Windows RGB values (0x00BBGGRR).
    void PlotRates(std::int32_t upload, std::int32_t download, std::uint32_t uploadColour,
                   std::uint32_t downloadColour);

    // The chart as it stands. Paint straight from this reference: a copy kept by the
    // viewer would make the next step copy the whole image before drawing. Steps taken
    // since the last call are drawn now, all with one scroll: while nobody looks, a step
    // costs next to nothing. Call again after new steps; the reference stays the same.
    const QImage& Image() const;
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }

    // The background: the system window-text colour of the default scheme.
    static constexpr QRgb kBackground = 0xFF000000;

    // A Windows RGB value (0x00BBGGRR) as an opaque Qt colour.
    static QRgb FromColorref(std::uint32_t colour);

  private:
    struct Step {
        std::int32_t upload;
        std::int32_t download;
        std::uint32_t uploadColour;
        std::uint32_t downloadColour;
    };
    void DrawPending() const;
    void DrawStep(const Step& step, int x) const;
    void ScrollLeft(int pixels) const;
    // Fills rows [top, bottom) of one column, clipped to the image.
    void FillColumn(int x, long long top, long long bottom, QRgb colour) const;

    mutable QImage image_;
    // Steps not drawn yet, the newest last: only those that still reach into the image.
    mutable std::deque<Step> pending_;
    // How many steps the image is behind, dropped ones included.
    mutable long long behind_ = 0;
};

}  // namespace bytelora
