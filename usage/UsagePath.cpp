#include <QStandardPaths>

#include "usage/UsageSession.h"

namespace bytelora {

// Linux: $XDG_DATA_HOME/Bytelora (by default ~/.local/share/Bytelora). Windows: the
// local application data folder of an application named Bytelora (%LOCALAPPDATA%\Bytelora).
// The folder is named here rather than taken from the application's name, so that the
// window and bytelora-cli, two programs with two names, share one database.
std::filesystem::path DefaultUsageDatabase() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return std::filesystem::path(data.toStdU16String()) / "Bytelora" / "usage.sqlite";
}

}  // namespace bytelora
