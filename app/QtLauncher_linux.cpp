#include <QDesktopServices>
#include <QUrl>
#include <stdexcept>

#include "app/QtLauncher.h"

namespace bytelora {

void OpenInTextEditor(const QString& path) {
    // The desktop picks the application it associates with the file's type, which for
    // the history log is the user's text editor.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        throw std::runtime_error("Cannot open \"" + path.toStdString() +
                                 "\": the desktop has no application for text files");
    }
}

}  // namespace bytelora
