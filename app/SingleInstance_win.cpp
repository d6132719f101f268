#include <windows.h>

#include <QDir>

#include <string>

#include "app/SingleInstance.h"

namespace bytelora {
namespace {

// Pipe names are machine-wide, across the sessions of every user: both go in the name.
std::string UserAndSession() {
    wchar_t user[256] = {};
    DWORD size = 256;
    if (!GetUserNameW(user, &size)) user[0] = L'\0';
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    return QString::fromWCharArray(user).toStdString() + "-" + std::to_string(session);
}

}  // namespace

InstanceLocation UserInstanceLocation() {
    const std::string base = "bytelora-" + UserAndSession();
    const std::filesystem::path folder = QDir::tempPath().toStdWString();
    return {folder / (base + ".lock"), base};
}

}  // namespace bytelora
