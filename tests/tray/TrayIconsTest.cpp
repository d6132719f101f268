#include "tray/TrayIcons.h"

#include <gtest/gtest.h>
#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <algorithm>

namespace bytelora {
namespace {

bool HasSize(const QIcon& icon, int size) {
    const auto sizes = icon.availableSizes();
    return std::find(sizes.begin(), sizes.end(), QSize(size, size)) != sizes.end();
}

int CountPixels(const QImage& image, bool (*matches)(const QColor&)) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) n += matches(image.pixelColor(x, y)) ? 1 : 0;
    }
    return n;
}

TEST(TrayIcons, TrayIconIsABlueQOnLightCyanAtEverySize) {
    const QIcon icon = TrayIconImage();
    ASSERT_FALSE(icon.isNull()) << "the compiled-in pictures were not found";
    for (const int size : {16, 22, 24, 32, 48}) {
        SCOPED_TRACE(size);
        EXPECT_TRUE(HasSize(icon, size));
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        ASSERT_EQ(image.size(), QSize(size, size));
        const int blue = CountPixels(image, [](const QColor& c) {
            return c.blue() > 200 && c.red() < 80 && c.green() < 140;
        });
        const int cyan = CountPixels(image, [](const QColor& c) {
            return c.red() > 150 && c.green() > 220 && c.blue() > 220;
        });
        EXPECT_GT(blue, size * size / 8);
        EXPECT_GT(cyan, size * size / 8);
    }
}

TEST(TrayIcons, ProgramIconIsADarkPanelAtEverySize) {
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        EXPECT_TRUE(HasSize(icon, size));
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        ASSERT_EQ(image.size(), QSize(size, size));
        const QColor ground = image.pixelColor(size / 4, size * 3 / 4);
        EXPECT_LT(ground.lightness(), 90);
        const int magenta = CountPixels(image, [](const QColor& c) {
            return c.red() > 180 && c.blue() > 150 && c.green() < 110;
        });
        EXPECT_GT(magenta, 0);
    }
}

// The program's icon reads its pictures when asked for them; what it gives must be what an
// icon holding all of them gives, at its own sizes, between them, beyond them and in
// every mode.
TEST(TrayIcons, ProgramIconGivesWhatAnIconOfAllItsPicturesGives) {
    const QIcon icon = ProgramIcon();
    QIcon held;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        held.addFile(QStringLiteral(":/bytelora/program/bytelora-%1.png").arg(size),
                     QSize(size, size));
    }
    ASSERT_FALSE(held.isNull()) << "the compiled-in pictures were not found";
    EXPECT_EQ(icon.availableSizes(), held.availableSizes());
    for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Selected}) {
        for (const QSize size : {QSize(16, 16), QSize(20, 20), QSize(100, 100), QSize(48, 32),
                                 QSize(256, 256), QSize(512, 512), QSize(8, 8)}) {
            SCOPED_TRACE(::testing::Message() << "mode " << mode << " size " << size.width()
                                              << "x" << size.height());
            EXPECT_EQ(icon.actualSize(size, mode), held.actualSize(size, mode));
            const QImage image = icon.pixmap(size, mode).toImage();
            const QImage expected = held.pixmap(size, mode).toImage();
            EXPECT_EQ(image.size(), expected.size());
            EXPECT_TRUE(image == expected);
        }
    }
}

}  // namespace
}  // namespace bytelora
