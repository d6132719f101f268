#pragma once

#include <stdexcept>
#include <string>

#include "common/Environment.h"

namespace bytelora {

// A history log that cannot be written or read; what() names the file and the reason.
// The message of a failure to read or to write to the log at path, in the user's
// language: "Cannot write to the history log "<path>": <reason>".
std::string HistoryLogFailure(bool writing, const std::string& path, const std::string& reason);

class HistoryLogError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The history log's file name: the product name without a trailing "Software" word,
// cleaned of characters that have no place in a file name, + ".txt".
std::string HistoryLogFileName();

// The full path of the history log, formed once at start-up.
// Windows: TEMP + "\" + the file name (TEMP empty when unset).
// Linux: in TEMP when it is set and not empty; otherwise in the user's own state folder,
// $XDG_STATE_HOME/Bytelora (by default ~/.local/state/Bytelora), which is created,
// private to the user, when it is missing. The log file itself is not touched.
std::string HistoryLogPath(const EnvironmentLookup& environment = ProcessEnvironment);

// Appends line + CR LF to the history log, creating the file when it is missing, and
// closes it again. The line goes out in one write, so concurrent writers never mix
// their lines; a write that fails or comes out short is undone, so the file never ends
// in a partial line. Throws HistoryLogError. On Linux a log that is a symbolic link, not
// a regular file, or owned by another user is refused untouched; a new log is private
// to the user.
void AppendToHistoryLog(const std::string& path, const std::string& line);

// The whole history log as UTF-8 text (converted from the ANSI code page on Windows).
// Throws HistoryLogError; on Linux the same files are refused as for appending.
std::string ReadHistoryLog(const std::string& path);

}  // namespace bytelora
