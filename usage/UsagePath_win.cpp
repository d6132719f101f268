#include <QStandardPaths>

#include "usage/UsageSession.h"

namespace bytelora {

// The program's folder under the user's local application data.
std::filesystem::path DefaultUsageDatabase() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    return std::filesystem::path(data.toStdWString()) / L"usage.sqlite";
}

}  // namespace bytelora
