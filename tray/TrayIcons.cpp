#include "tray/TrayIcons.h"

#include <QIconEngine>
#include <QList>
#include <QPainter>
#include <QString>

#include <initializer_list>
#include <utility>

// The pictures are compiled into this static library; nothing outside refers to their
// objects, so the linker would drop them unless they are registered by name.
static void RegisterIconResources() {
    Q_INIT_RESOURCE(tray_icons);
    Q_INIT_RESOURCE(program_icon);
}

namespace bytelora {

namespace {

void EnsureIconResources() {
    static const bool registered = (RegisterIconResources(), true);
    (void)registered;
}

QIcon IconFromSizes(const QString& pattern, std::initializer_list<int> sizes) {
    EnsureIconResources();
    QIcon icon;
    for (const int size : sizes) icon.addFile(pattern.arg(size), QSize(size, size));
    return icon;
}

// An icon whose pictures are read from the compiled-in files each time one is asked for,
// and not kept. A window's icon is handed to the desktop once, when the window is made;
// the six decoded sizes of the program's icon, kept by each window for the life of the
// program, would cost over a third of a megabyte apiece. Each picture comes out as the
// same icon built from all the files would give it: that one file is read into such an
// icon, and asked.
class UnkeptIconEngine final : public QIconEngine {
  public:
    UnkeptIconEngine(QString pattern, QList<int> sizes)
        : pattern_(std::move(pattern)), sizes_(std::move(sizes)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * scale, mode, state));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return FileFor(size).pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return FileFor(size).actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        QList<QSize> sizes;
        if (mode != QIcon::Normal || state != QIcon::Off) return sizes;
        for (const int size : sizes_) sizes.append(QSize(size, size));
        return sizes;
    }
    bool isNull() override { return sizes_.isEmpty(); }
    QString key() const override { return QStringLiteral("UnkeptIconEngine"); }
    QIconEngine* clone() const override { return new UnkeptIconEngine(pattern_, sizes_); }

  private:
    // The smallest picture that covers the size asked for, else the largest: the one
    // that the icon of all the files would use.
    QIcon FileFor(const QSize& size) const {
        const qint64 wanted = qint64(size.width()) * size.height();
        int best = 0;
        for (const int side : sizes_) {
            const qint64 area = qint64(side) * side;
            const qint64 bestArea = qint64(best) * best;
            const bool covers = area >= wanted;
            const bool bestCovers = best > 0 && bestArea >= wanted;
            if (best == 0 || (covers && (!bestCovers || area < bestArea)) ||
                (!covers && !bestCovers && area > bestArea)) {
                best = side;
            }
        }
        QIcon icon;
        if (best > 0) icon.addFile(pattern_.arg(best), QSize(best, best));
        return icon;
    }

    QString pattern_;
    QList<int> sizes_;
};

}  // namespace

QIcon TrayIconImage() {
    return IconFromSizes(QStringLiteral(":/bytelora/tray/tray-q-%1.png"), {16, 22, 24, 32, 48});
}

QIcon ProgramIcon() {
    EnsureIconResources();
    return QIcon(new UnkeptIconEngine(QStringLiteral(":/bytelora/program/bytelora-%1.png"),
                                      {16, 32, 48, 64, 128, 256}));
}

}  // namespace bytelora
