#pragma once

#include <sys/types.h>

#include <string>

namespace bytelora::countd {

// The folder a socket path is in ("." for a bare name).
std::string FolderOf(const std::string& path);

// Why a folder of this owner and mode is not fit for the socket and the start file:
// the counter writes there as root, so anyone else who may write in it (its owner, or
// anyone through the group or other bits) could swap a name for a link between the
// counter's checks and its writes. Empty when it is fit.
std::string UnsafeFolderReason(uid_t owner, mode_t mode);

// UnsafeFolderReason for the folder itself (opened, so a link to it is followed once),
// with the folder named in the text; also says so when it cannot be opened.
std::string CheckRuntimeFolder(const std::string& folder);

// Writes `text` to `folder`/`name` whole, readable by everyone: under a temporary name
// that is made new (any stale one removed first), then renamed over the old file, all
// relative to the folder opened once, so no link is ever followed. Empty on success,
// else why not.
std::string WriteNewFile(const std::string& folder, const std::string& name,
                         const std::string& text);

}  // namespace bytelora::countd
