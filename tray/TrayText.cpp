#include "tray/TrayText.h"

namespace bytelora {

QString CutToField(const QString& text, qsizetype maxChars) {
    if (maxChars <= 0) return QString();
    if (text.size() <= maxChars) return text;
    qsizetype length = maxChars;
    if (text.at(length - 1).isHighSurrogate() && text.at(length).isLowSurrogate()) --length;
    return text.left(length);
}

QString RatesTipText(const QString& product, const QString& download, const QString& upload) {
    return product + QStringLiteral(" \u2014 Download: ") + download.trimmed() +
           QStringLiteral(", Upload: ") + upload.trimmed();
}

}  // namespace bytelora
