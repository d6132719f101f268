#include <QStandardPaths>

#include "usage/UsageSession.h"

namespace bytelora {

// $XDG_DATA_HOME/Bytelora/usage.sqlite, by default ~/.local/share/Bytelora.
std::filesystem::path DefaultUsageDatabase() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return std::filesystem::path(data.toStdString()) / "Bytelora" / "usage.sqlite";
}

}  // namespace bytelora
