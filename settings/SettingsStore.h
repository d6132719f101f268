#pragma once

#include <stdexcept>
#include <string>

namespace bytelora {

inline constexpr char kSettingsAppName[] = "Quillmark";
inline constexpr char kSettingsSection[] = "Bytelora";

// Thrown when a value could not be stored; what() is a message for the user.
class SettingsError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The per-user store of text values, addressed by application name, section and key.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // The stored text, or defaultValue when the key, section or application is absent.
    virtual std::string GetSetting(const std::string& appName, const std::string& section,
                                   const std::string& key, const std::string& defaultValue) = 0;

    // Creates or overwrites the value; it has reached the store when this returns.
    // Throws SettingsError when the store cannot be written.
    virtual void SaveSetting(const std::string& appName, const std::string& section,
                             const std::string& key, const std::string& value) = 0;
};

// The program's own settings: application "Quillmark", section "Bytelora".
class Settings {
  public:
    explicit Settings(SettingsStore& store) : store_(store) {}
    std::string Get(const std::string& key, const std::string& defaultValue) {
        return store_.GetSetting(kSettingsAppName, kSettingsSection, key, defaultValue);
    }
    void Save(const std::string& key, const std::string& value) {
        store_.SaveSetting(kSettingsAppName, kSettingsSection, key, value);
    }

  private:
    SettingsStore& store_;
};

}  // namespace bytelora
