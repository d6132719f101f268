#include "app/DisplayPlatform.h"

namespace bytelora {

// Windows has one platform.
bool RequestDisplayPlatform() {
    return false;
}

void ForgetDisplayPlatformRequest() {}

}  // namespace bytelora
