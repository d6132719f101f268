#include "settings/SettingsLocation.h"

#include "settings/ConfigHome.h"

namespace bytelora {

SettingsLocation SystemSettingsLocation(const std::string& appName, const std::string& section) {
    SettingsLocation location;
    location.format = SettingsLocation::Format::IniFile;
    if (const auto home = UserConfigHome(); !home.empty()) {
        location.file = home / appName / (section + ".conf");
    }
    return location;
}

}  // namespace bytelora
