#pragma once

#include <filesystem>
#include <memory>
#include <stdexcept>

namespace bytelora {

// Thrown when the registration could not be written or removed; what() is a message
// for the user.
class StartupRegistrationError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Starting the program with the user's session: the per-user Run value on Windows, an
// XDG autostart entry on Linux.
class StartupRegistration {
  public:
    virtual ~StartupRegistration() = default;
    // Registers `program` (the running executable, absolute) to start with the session.
    virtual void Register(const std::filesystem::path& program) = 0;
    // Removes the registration; a registration that is already gone is no failure.
    virtual void Unregister(const std::filesystem::path& program) = 0;
};

std::unique_ptr<StartupRegistration> MakeSystemStartupRegistration();

}  // namespace bytelora
