#include "app/HandCursor.h"

#include <QFile>
#include <QImageReader>
#include <QPixmap>

#include <cstdint>

namespace bytelora {
namespace {

// Qt's image readers drop the hot spot of a cursor file; it sits in the first entry of
// the file's directory (type 2 marks a cursor), so it is read from there.
std::optional<QPoint> HotSpot(const QByteArray& bytes) {
    if (bytes.size() < 22) return std::nullopt;
    auto word = [&](int at) {
        return static_cast<int>(static_cast<std::uint8_t>(bytes[at]) |
                                (static_cast<std::uint8_t>(bytes[at + 1]) << 8));
    };
    if (word(0) != 0 || word(2) != 2 || word(4) < 1) return std::nullopt;
    return QPoint(word(10), word(12));
}

}  // namespace

std::optional<QCursor> LoadCursorFile(const std::filesystem::path& file) {
    QFile in(QString::fromStdString(file.string()));
    if (!in.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = in.readAll();

    QPixmap image;
    // The name's upper-case suffix does not tell Qt the format; the cursor reader is the
    // ICO plugin's, asked for by name, with content sniffing as the fallback.
    if (!image.loadFromData(bytes, "cur") && !image.loadFromData(bytes, "ico") &&
        !image.loadFromData(bytes)) {
        return std::nullopt;
    }
    if (image.isNull()) return std::nullopt;
    const auto spot = HotSpot(bytes);
    if (spot && spot->x() < image.width() && spot->y() < image.height()) {
        return QCursor(image, spot->x(), spot->y());
    }
    return QCursor(image);
}

}  // namespace bytelora
