#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace bytelora {

// True when the path names something that exists and can be looked at; every failure
// (empty or malformed path, no access) gives false.
bool FileExists(const std::string& path);

// Deletes a file, read-only ones included; every failure, a missing file included, is
// ignored. The caller's message loop is not run here: callers that need pending events
// handled first do it themselves.
void DeleteFileQuietly(const std::string& path);

// "hh:mm:ss" of the time of day that `seconds` makes: hours wrap at 24, and a negative
// count gives the text of its absolute value.
std::string SecondsToClock(std::int32_t seconds);

// The running executable's absolute path and its folder. Throw std::runtime_error when
// the platform cannot tell.
std::filesystem::path ProgramFile();
std::filesystem::path ProgramFolder();

// Paths travel through the program as UTF-8 text (what Qt's toStdString gives); these
// convert without the platform's narrow code page getting in the way. PathFromUtf8
// throws std::filesystem::filesystem_error or std::system_error for text that cannot
// be a path on this platform (malformed UTF-8 on Windows).
std::filesystem::path PathFromUtf8(const std::string& utf8);
std::string PathToUtf8(const std::filesystem::path& path);

}  // namespace bytelora
