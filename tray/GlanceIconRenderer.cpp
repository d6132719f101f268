#include "tray/GlanceIconRenderer.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <utility>

namespace bytelora {

namespace {

// Near black rather than black, so the square still reads as a square on a black panel,
// and light text on it reads on every panel.
constexpr QRgb kBacking = 0xFF141414;
// The graph window's colours; where both bars reach, they add up to yellow.
constexpr QRgb kDownloadBar = 0xFFFF0000;
constexpr QRgb kUploadBar = 0xFF00FF00;
constexpr QRgb kBothBars = 0xFFFFFF00;
// The same two colours, lightened so small text stays readable on the dark backing.
constexpr QRgb kDownloadText = 0xFFFF7A7A;
constexpr QRgb kUploadText = 0xFF7AFF7A;
// A graph of next to nothing should not fill the icon with noise.
constexpr std::int32_t kGraphFloorKb = 16;
constexpr int kSmallestSide = 8;
// The outlines are taken at this size and scaled: no hinting, the same shapes at every
// size, and a scale for each size of its own.
constexpr int kOutlinePixels = 100;

QFont GlanceFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(kOutlinePixels);
    return font;
}

QPainterPath TextOutline(const QString& text) {
    // Each picture is drawn at several sizes, and the same rates come back often: shaping
    // a text is the costly part of a drawing, so recent outlines are kept.
    static QHash<QString, QPainterPath> recent;
    constexpr qsizetype kRecentTexts = 256;
    if (const auto found = recent.constFind(text); found != recent.constEnd()) return *found;
    if (recent.size() >= kRecentTexts) recent.clear();
    static const QFont font = GlanceFont();
    QPainterPath path;
    path.addText(0, 0, font, text);
    recent.insert(text, path);
    return path;
}

// From the top of the tallest character a rate can have to the baseline: every line
// gets the same height, whatever its characters.
const QRectF& ReferenceExtent() {
    static const QRectF extent = TextOutline(QStringLiteral("0123456789KMGk.")).boundingRect();
    return extent;
}

// The outline placed in its box: as tall as the box, narrowed only when the text is wider.
QPainterPath PlaceText(const QString& text, const QRectF& box) {
    const QPainterPath outline = TextOutline(text);
    const QRectF ink = outline.boundingRect();
    const QRectF& reference = ReferenceExtent();
    if (ink.isEmpty() || reference.height() <= 0) return {};
    const qreal scaleY = box.height() / reference.height();
    const qreal scaleX = std::min(scaleY, box.width() / ink.width());
    QTransform place;
    place.translate(box.center().x() - ink.center().x() * scaleX,
                    box.top() - reference.top() * scaleY);
    place.scale(scaleX, scaleY);
    return place.map(outline);
}

std::pair<QRectF, QRectF> LineBoxes(int pixels) {
    const qreal side = pixels;
    const qreal margin = side / 32;
    const qreal gap = side / 16;
    const qreal lineHeight = (side - gap - 2 * margin) / 2;
    const QRectF top(margin, margin, side - 2 * margin, lineHeight);
    const QRectF bottom(margin, side - margin - lineHeight, side - 2 * margin, lineHeight);
    return {top, bottom};
}

void DrawRates(QImage& image, const GlancePicture& picture) {
    const auto [topBox, bottomBox] = LineBoxes(image.width());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(kDownloadText));
    painter.drawPath(PlaceText(picture.download, topBox));
    painter.setBrush(QColor::fromRgba(kUploadText));
    painter.drawPath(PlaceText(picture.upload, bottomBox));
}

// The newest `count` values, oldest first; missing seconds are none.
std::vector<std::int32_t> Newest(const std::vector<std::int32_t>& history, int count) {
    const auto size = static_cast<int>(history.size());
    std::vector<std::int32_t> shown(static_cast<std::size_t>(count), 0);
    const int taken = std::min(size, count);
    std::copy(history.end() - taken, history.end(), shown.end() - taken);
    return shown;
}

int BarLength(std::int32_t kb, std::int32_t fullScale, int side) {
    const double length = std::round(double(std::max(kb, 0)) * side / fullScale);
    return static_cast<int>(std::clamp(length, 0.0, double(side)));
}

// One pixel column a second, the newest at the right edge, scaled to the highest bar shown.
void DrawGraph(QImage& image, const GlancePicture& picture) {
    const int side = image.width();
    const std::vector<std::int32_t> down = Newest(picture.downloadHistory, side);
    const std::vector<std::int32_t> up = Newest(picture.uploadHistory, side);
    const std::int32_t peak = std::max(*std::max_element(down.begin(), down.end()),
                                       *std::max_element(up.begin(), up.end()));
    const std::int32_t fullScale = std::max(peak, kGraphFloorKb);
    for (int x = 0; x < side; ++x) {
        const int downLength = BarLength(down[std::size_t(x)], fullScale, side);
        const int upTop = side - BarLength(up[std::size_t(x)], fullScale, side);
        for (int y = 0; y < side; ++y) {
            const bool isDown = y < downLength;
            const bool isUp = y >= upTop;
            if (!isDown && !isUp) continue;
            const QRgb colour = isDown && isUp ? kBothBars : (isDown ? kDownloadBar : kUploadBar);
            reinterpret_cast<QRgb*>(image.scanLine(y))[x] = colour;
        }
    }
}

// Tests that compare the tray's pixels with the picture drawn set this to a folder: each
// picture drawn is written there as glance-<side>.png, whole or not at all.
void WriteForTests(const QImage& image) {
    static const QString folder = qEnvironmentVariable("BYTELORA_TRAY_ICON_DUMP");
    if (folder.isEmpty()) return;
    const QString name = QStringLiteral("glance-%1.png").arg(image.width());
    const QString part = QDir(folder).filePath(name + QStringLiteral(".part"));
    if (!image.save(part, "PNG")) return;
    QFile::remove(QDir(folder).filePath(name));
    QFile::rename(part, QDir(folder).filePath(name));
}

class GlanceIconEngine final : public QIconEngine {
  public:
    explicit GlanceIconEngine(GlancePicture picture) : picture_(std::move(picture)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const int side = std::min(rect.width(), rect.height());
        QImage image = Render(int(std::lround(side * ratio)));
        image.setDevicePixelRatio(ratio);
        const QPoint corner(rect.x() + (rect.width() - side) / 2,
                            rect.y() + (rect.height() - side) / 2);
        painter->drawImage(corner, image);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return QPixmap::fromImage(Render(std::min(size.width(), size.height())));
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) override {
        QPixmap pixmap = QPixmap::fromImage(
            Render(int(std::lround(std::min(size.width(), size.height()) * scale))));
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        return {side, side};
    }
    // What a notification area that takes a list of pictures (a StatusNotifierItem host)
    // chooses from: the panels' usual sizes, and twice them on a doubled screen, so that
    // the host finds its own size drawn and need not scale one.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int side : {16, 20, 22, 24, 32, 40, 44, 48, 64}) sizes.append(QSize(side, side));
        return sizes;
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("GlanceIconEngine"); }
    QIconEngine* clone() const override { return new GlanceIconEngine(picture_); }

  private:
    QImage Render(int side) const {
        QImage image = RenderGlanceIcon(picture_, side);
        WriteForTests(image);
        return image;
    }

    GlancePicture picture_;
};

}  // namespace

QImage RenderGlanceIcon(const GlancePicture& picture, int pixels) {
    const int side = std::max(pixels, kSmallestSide);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(kBacking);
    if (picture.kind == GlancePicture::Kind::Rates) {
        DrawRates(image, picture);
    } else {
        DrawGraph(image, picture);
    }
    return image;
}

GlanceTextPlacement PlaceGlanceTexts(const GlancePicture& picture, int pixels) {
    const auto [topBox, bottomBox] = LineBoxes(std::max(pixels, kSmallestSide));
    return {PlaceText(picture.download, topBox).boundingRect(),
            PlaceText(picture.upload, bottomBox).boundingRect(), topBox, bottomBox};
}

QIcon GlanceIcon(const GlancePicture& picture) {
    return QIcon(new GlanceIconEngine(picture));
}

}  // namespace bytelora
