#pragma once

#include <filesystem>

namespace bytelora {

// The user's configuration folder on Linux: $XDG_CONFIG_HOME when it is set to an
// absolute path, otherwise ~/.config. Empty when no home folder can be found at all.
std::filesystem::path UserConfigHome();

}  // namespace bytelora
