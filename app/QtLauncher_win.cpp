#include <QProcess>
#include <QStringList>
#include <stdexcept>

#include "app/QtLauncher.h"

namespace bytelora {

void OpenInTextEditor(const QString& path) {
    // The path travels as one argument; QProcess quotes it for notepad's command line.
    if (!QProcess::startDetached(QStringLiteral("notepad.exe"), QStringList{path})) {
        throw std::runtime_error("Cannot start notepad.exe to open \"" + path.toStdString() + "\"");
    }
}

}  // namespace bytelora
