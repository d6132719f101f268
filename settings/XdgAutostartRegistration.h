#pragma once

#include <filesystem>
#include <optional>

#include "settings/StartupRegistration.h"

namespace bytelora {

// Starts the program with the desktop session through the XDG autostart entry
// <config home>/autostart/bytelora.desktop. The entry is written whole to a temporary
// file beside it and renamed into place, so a crash never leaves half an entry.
class XdgAutostartRegistration : public StartupRegistration {
  public:
    // The user's own config home, looked up on every call.
    XdgAutostartRegistration() = default;
    // Entries go below `configHome` instead (tests, portable set-ups).
    explicit XdgAutostartRegistration(std::filesystem::path configHome)
        : configHome_(std::move(configHome)) {}

    void Register(const std::filesystem::path& program) override;
    // Deletes the entry; an entry that is not there is no failure.
    void Unregister(const std::filesystem::path& program) override;

    // Where the entry lives. Throws StartupRegistrationError when there is no config home.
    std::filesystem::path EntryPath() const;

  private:
    std::optional<std::filesystem::path> configHome_;
};

}  // namespace bytelora
