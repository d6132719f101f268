#include "tray/TrayText.h"

#include <QCoreApplication>

namespace bytelora {

QString CutToField(const QString& text, qsizetype maxChars) {
    if (maxChars <= 0) return QString();
    if (text.size() <= maxChars) return text;
    qsizetype length = maxChars;
    if (text.at(length - 1).isHighSurrogate() && text.at(length).isLowSurrogate()) --length;
    return text.left(length);
}

QString RatesTipText(const QString& product, const QString& download, const QString& upload) {
    return QCoreApplication::translate("bytelora::TrayIcon", "%1 \u2014 Download: %2, Upload: %3")
        .arg(product, download.trimmed(), upload.trimmed());
}

}  // namespace bytelora
