// Draws a "Rates" tray icon as the program does, for the real-display checks and for a
// reader: glance_icon_tool DOWNLOAD UPLOAD PIXELS OUT.png
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdio>

#include "tray/GlanceIconRenderer.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    bool sized = false;
    const int pixels = args.size() == 5 ? args.at(3).toInt(&sized) : 0;
    if (!sized || pixels < 8) {
        std::fprintf(stderr, "usage: glance_icon_tool DOWNLOAD UPLOAD PIXELS OUT.png\n");
        return 2;
    }
    bytelora::GlancePicture picture;
    picture.download = args.at(1);
    picture.upload = args.at(2);
    return bytelora::RenderGlanceIcon(picture, pixels).save(args.at(4), "PNG") ? 0 : 1;
}
