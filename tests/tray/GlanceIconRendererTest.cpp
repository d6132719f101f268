#include "tray/GlanceIconRenderer.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QPixmap>

#include <cmath>
#include <set>
#include <string>

#include "monitor/GlanceText.h"
#include "support/TextDrawing.h"

namespace bytelora {
namespace {

GlancePicture Rates(const QString& download, const QString& upload) {
    GlancePicture picture;
    picture.download = download;
    picture.upload = upload;
    return picture;
}

GlancePicture Graph(std::vector<std::int32_t> download, std::vector<std::int32_t> upload) {
    GlancePicture picture;
    picture.kind = GlancePicture::Kind::Graph;
    picture.downloadHistory = std::move(download);
    picture.uploadHistory = std::move(upload);
    return picture;
}

// Every short text a rate from nothing to 10 GB/s can take, in both units.
std::set<std::string> EveryShortRate() {
    std::set<std::string> texts;
    for (const RateUnits units : {RateUnits::Bytes, RateUnits::Bits}) {
        for (int bytes = 0; bytes < 2000; ++bytes) texts.insert(ShortRate(bytes, units));
        for (double bytes = 2000; bytes <= 10.0 * 1024 * 1024 * 1024; bytes *= 1.002) {
            texts.insert(ShortRate(bytes, units));
        }
        texts.insert(ShortRate(10.0 * 1024 * 1024 * 1024, units));
    }
    return texts;
}

bool Inside(const QRectF& inner, const QRectF& outer) {
    constexpr double kSlack = 1e-6;
    return inner.left() >= outer.left() - kSlack && inner.right() <= outer.right() + kSlack &&
           inner.top() >= outer.top() - kSlack && inner.bottom() <= outer.bottom() + kSlack;
}

TEST(GlanceIconRenderer, EveryRateFitsItsLineAtEveryTraySizeAndScale) {
    const std::set<std::string> texts = EveryShortRate();
    ASSERT_GT(texts.size(), 3000u);  // both units, every step up to the gigabytes
    ASSERT_TRUE(texts.count("10G") == 1 || texts.count("9.3G") == 1);
    // The tray sizes at device pixel ratios 1, 1.5 and 2, each pixel size once.
    std::set<int> sizes;
    for (const int size : {16, 20, 24, 32}) {
        for (const double ratio : {1.0, 1.5, 2.0}) sizes.insert(int(std::lround(size * ratio)));
    }
    for (const std::string& text : texts) {
        const QString rate = QString::fromStdString(text);
        for (const int pixels : sizes) {
            const QRectF image(0, 0, pixels, pixels);
            const GlanceTextPlacement placed = PlaceGlanceTexts(Rates(rate, rate), pixels);
            ASSERT_TRUE(Inside(placed.downloadBox, image)) << pixels;
            ASSERT_TRUE(Inside(placed.uploadBox, image)) << pixels;
            ASSERT_FALSE(placed.downloadBox.intersects(placed.uploadBox)) << pixels;
            ASSERT_TRUE(Inside(placed.downloadInk, placed.downloadBox)) << text << " " << pixels;
            ASSERT_TRUE(Inside(placed.uploadInk, placed.uploadBox)) << text << " " << pixels;
            // Drawn, not shrunk away: each text takes most of its line's height.
            ASSERT_GT(placed.downloadInk.height(), placed.downloadBox.height() * 0.6) << text;
        }
    }
}

TEST(GlanceIconRenderer, SamePictureSamePixelsAndEachChangeShows) {
    if (!testing::TextIsDrawn()) GTEST_SKIP() << "no font draws text on this platform";
    for (const int pixels : {16, 20, 24, 32, 48, 64}) {
        const QImage first = RenderGlanceIcon(Rates("85K", "1.2M"), pixels);
        EXPECT_EQ(first.size(), QSize(pixels, pixels));
        EXPECT_FALSE(first.hasAlphaChannel() && first.pixelColor(0, 0).alpha() < 255);
        EXPECT_EQ(first, RenderGlanceIcon(Rates("85K", "1.2M"), pixels));
        EXPECT_NE(first, RenderGlanceIcon(Rates("86K", "1.2M"), pixels));
        EXPECT_NE(first, RenderGlanceIcon(Rates("85K", "1.3M"), pixels));
        EXPECT_NE(first, RenderGlanceIcon(Rates("1.2M", "85K"), pixels));
    }
    const GlancePicture graph = Graph({0, 50, 100}, {100, 0, 25});
    EXPECT_EQ(RenderGlanceIcon(graph, 24), RenderGlanceIcon(graph, 24));
    EXPECT_NE(RenderGlanceIcon(graph, 24), RenderGlanceIcon(Graph({0, 60, 100}, {100, 0, 25}), 24));
}

TEST(GlanceIconRenderer, OpaqueEverywhereSoAnyPanelShowsTheSamePicture) {
    for (const GlancePicture& picture : {Rates("0", "0"), Rates("999", "2.1G"), Graph({}, {})}) {
        const QImage image = RenderGlanceIcon(picture, 20);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) ASSERT_EQ(qAlpha(image.pixel(x, y)), 255);
        }
    }
}

TEST(GlanceIconRenderer, GraphDrawsASecondAColumnDownloadFromTheTopUploadFromTheBottom) {
    // The newest second at the right edge, scaled to the highest bar shown.
    const QImage image = RenderGlanceIcon(Graph({100, 0, 50}, {0, 100, 100}), 16);
    const QRgb red = 0xFFFF0000, green = 0xFF00FF00, yellow = 0xFFFFFF00;
    const QRgb backing = image.pixel(0, 8);
    // Column 13: download 100 (the whole height), no upload.
    for (int y = 0; y < 16; ++y) EXPECT_EQ(image.pixel(13, y), red) << y;
    // Column 14: upload 100 from the bottom.
    for (int y = 0; y < 16; ++y) EXPECT_EQ(image.pixel(14, y), green) << y;
    // Column 15: download half from the top, upload the whole height: they meet in yellow.
    EXPECT_EQ(image.pixel(15, 0), yellow);
    EXPECT_EQ(image.pixel(15, 7), yellow);
    EXPECT_EQ(image.pixel(15, 8), green);
    // Seconds before the history are empty.
    EXPECT_NE(backing, red);
    EXPECT_NE(backing, green);
    for (int y = 0; y < 16; ++y) EXPECT_EQ(image.pixel(12, y), backing);

    // Next to nothing does not fill the icon: a floor keeps the scale.
    const QImage quiet = RenderGlanceIcon(Graph({1}, {1}), 16);
    EXPECT_EQ(quiet.pixel(15, 0), red);
    EXPECT_EQ(quiet.pixel(15, 4), backing);
}

TEST(GlanceIconRenderer, TheIconDrawsEachSizeForItselfAtEveryPixelRatio) {
    const GlancePicture picture = Rates("34M", "850");
    const QIcon icon = GlanceIcon(picture);
    for (const int pixels : {16, 20, 22, 24, 32}) {
        EXPECT_EQ(icon.pixmap(QSize(pixels, pixels), 1.0)
                      .toImage()
                      .convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  RenderGlanceIcon(picture, pixels))
            << pixels;
    }
    // Painted into a 16-point box at twice the pixels: the 32-pixel drawing, not the
    // 16-pixel one enlarged.
    for (const double ratio : {1.0, 1.5, 2.0}) {
        const int pixels = int(std::lround(16 * ratio));
        QImage target(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
        target.setDevicePixelRatio(ratio);
        target.fill(Qt::transparent);
        {
            QPainter painter(&target);
            icon.paint(&painter, QRect(0, 0, 16, 16));
        }
        target.setDevicePixelRatio(1.0);
        EXPECT_EQ(target, RenderGlanceIcon(picture, pixels)) << ratio;
    }
    EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
}

}  // namespace
}  // namespace bytelora
