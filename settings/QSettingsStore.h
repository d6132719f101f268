#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "settings/SettingsLocation.h"
#include "settings/SettingsStore.h"

namespace bytelora {

// The settings store over QSettings.
//
// Every call opens the store afresh and every write is synced before it returns, so a
// value another instance wrote is seen, and a crash right after a write loses nothing.
// Application names, sections and keys are plain, case-sensitive names ("/" and "\"
// would make sub-sections, so they are refused; the Windows registry ignores case).
//
// A settings file that cannot be read or is damaged reads as empty (every value gives
// its default), and writes to it are refused with a SettingsError naming the file
// rather than replacing what it holds.
class QSettingsStore : public SettingsStore {
  public:
    // The current user's store: the registry on Windows,
    // $XDG_CONFIG_HOME/<application>/<section>.conf on Linux, looked up on every call.
    QSettingsStore() = default;
    // Every application and section in the one INI file `iniFile`, one group per
    // section: for tests and portable set-ups.
    explicit QSettingsStore(std::filesystem::path iniFile) : iniFile_(std::move(iniFile)) {}

    std::string GetSetting(const std::string& appName, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
    void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override;

  private:
    SettingsLocation LocationFor(const std::string& appName, const std::string& section) const;

    std::optional<std::filesystem::path> iniFile_;
};

}  // namespace bytelora
