#include "app/QtLauncher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <stdexcept>

namespace bytelora {

QUrl QtLauncher::PageUrl(const std::string& urlOrPath) {
    const QString text = QString::fromStdString(urlOrPath).trimmed();
    if (text.isEmpty()) {
        throw std::runtime_error("No page to open was given");
    }
    // A local path is checked first: "C:\help.htm" would otherwise read as a URL with
    // the scheme "c".
    const QFileInfo file(text);
    if (file.exists()) {
        return QUrl::fromLocalFile(file.absoluteFilePath());
    }
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https") &&
                           scheme != QLatin1String("file"))) {
        throw std::runtime_error("Cannot open \"" + urlOrPath +
                                 "\": it is neither an existing file nor a web address");
    }
    return url;
}

void QtLauncher::OpenPage(const std::string& urlOrPath) {
    const QUrl url = PageUrl(urlOrPath);
    if (!QDesktopServices::openUrl(url)) {
        throw std::runtime_error("Cannot open \"" + url.toString().toStdString() +
                                 "\" in the default browser");
    }
}

void QtLauncher::OpenTextFile(const std::string& path) {
    if (path.empty()) {
        throw std::runtime_error("No text file to open was given");
    }
    OpenInTextEditor(QString::fromStdString(path));
}

}  // namespace bytelora
