#include <cstdlib>

#include "app/DisplayPlatform.h"

namespace bytelora {

namespace {
bool requested = false;
}  // namespace

bool RequestDisplayPlatform() {
    const std::string platform = DisplayPlatformFor(&ProcessEnvironment);
    if (platform.empty()) return false;
    requested = setenv("QT_QPA_PLATFORM", platform.c_str(), 1) == 0;
    return requested;
}

void ForgetDisplayPlatformRequest() {
    if (requested) unsetenv("QT_QPA_PLATFORM");
    requested = false;
}

}  // namespace bytelora
