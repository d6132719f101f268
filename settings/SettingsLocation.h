#pragma once

#include <filesystem>
#include <string>

namespace bytelora {

// Where the user's own store keeps the values of one application name and section.
struct SettingsLocation {
    enum class Format {
        IniFile,   // `file`, the section as an INI group
        Registry,  // `registryKey` (as QSettings names it), the section as a sub-key
    };
    Format format = Format::IniFile;
    // Empty when the user has no folder to keep settings in.
    std::filesystem::path file;
    std::string registryKey;
};

// Linux: $XDG_CONFIG_HOME/<appName>/<section>.conf.
// Windows: HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<appName>, where
// earlier installs of the program kept the same values.
SettingsLocation SystemSettingsLocation(const std::string& appName, const std::string& section);

}  // namespace bytelora
