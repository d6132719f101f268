#pragma once

#include <filesystem>
#include <string>

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

// Reads a whole file, as its bytes stand, into `text`. Done without the C++ streams: the
// first stream a process makes sets up the standard library's locale machinery, over
// half a megabyte that the running program would keep for nothing.
enum class ReadOutcome { Read, CannotOpen, CannotRead };
ReadOutcome ReadWholeFile(const std::filesystem::path& path, std::string& text);

}  // namespace bytelora::platform
