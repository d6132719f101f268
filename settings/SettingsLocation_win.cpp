#include "settings/SettingsLocation.h"

namespace bytelora {

SettingsLocation SystemSettingsLocation(const std::string& appName, const std::string&) {
    SettingsLocation location;
    location.format = SettingsLocation::Format::Registry;
    location.registryKey = "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\" + appName;
    return location;
}

}  // namespace bytelora
