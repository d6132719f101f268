#pragma once

#include <filesystem>

// The few file operations whose meaning differs between Windows and Linux. One
// implementation per operating system; the shared routines build on these.
namespace bytelora::platform {

// The platform's ordinary deletion of one file; folders are never removed. True when
// the file is gone because of this call.
bool DeleteOrdinary(const std::filesystem::path& path) noexcept;

// A second, stronger attempt: read-only files are deleted too. Folders are never
// removed. True when the file is gone because of this call.
bool DeleteForced(const std::filesystem::path& path) noexcept;

// True for a plain file the user is meant to see: not a folder, and on Windows not
// hidden and not a system file.
bool IsPlainVisibleFile(const std::filesystem::path& path) noexcept;

// The running executable's absolute path; throws std::runtime_error when unknown.
std::filesystem::path ExecutablePath();

}  // namespace bytelora::platform
