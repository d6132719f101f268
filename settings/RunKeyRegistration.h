#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

#include "settings/StartupRegistration.h"

namespace bytelora {

// The per-user Run key: whatever it names starts when the user signs in.
inline constexpr wchar_t kRunKeyPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Starts the program with the session through a Run value: its name is the program's
// file name, its data the full path in double quotes (a path with blanks would
// otherwise be split).
class RunKeyRegistration : public StartupRegistration {
  public:
    // `root` and `keyPath` let tests use a scratch key of their own.
    explicit RunKeyRegistration(HKEY root = HKEY_CURRENT_USER, std::wstring keyPath = kRunKeyPath)
        : root_(root), keyPath_(std::move(keyPath)) {}

    void Register(const std::filesystem::path& program) override;
    // Deletes the value; a value that is not there is no failure.
    void Unregister(const std::filesystem::path& program) override;

    static std::wstring ValueName(const std::filesystem::path& program);
    static std::wstring ValueData(const std::filesystem::path& program);

  private:
    HKEY root_;
    std::wstring keyPath_;
};

}  // namespace bytelora
