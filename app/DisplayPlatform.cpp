#include "app/DisplayPlatform.h"

namespace bytelora {

namespace {

bool IsSet(const EnvironmentLookup& environment, const std::string& name) {
    const std::optional<std::string> value = environment(name);
    return value.has_value() && !value->empty();
}

}  // namespace

std::string DisplayPlatformFor(const EnvironmentLookup& environment) {
    if (IsSet(environment, "QT_QPA_PLATFORM")) return {};
    if (!IsSet(environment, "DISPLAY")) return {};
    // Qt tries the platforms in order.
    return IsSet(environment, "WAYLAND_DISPLAY") ? "xcb;wayland" : "xcb";
}

}  // namespace bytelora
