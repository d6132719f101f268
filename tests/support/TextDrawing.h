#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>

namespace bytelora::testing {

// Whether this platform draws text at all. Under wine, Qt's offscreen platform finds no
// font, and every text comes out as nothing: a test of how texts look or fit then has
// nothing to look at and is skipped rather than passed or failed.
inline bool TextIsDrawn() {
    const auto draw = [](const QString& text) {
        QImage image(40, 16, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setPen(Qt::black);
        painter.drawText(image.rect(), Qt::AlignCenter, text);
        painter.end();
        return image;
    };
    return draw(QStringLiteral("85K")) != draw(QStringLiteral("86K"));
}

}  // namespace bytelora::testing
