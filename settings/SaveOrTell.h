#pragma once

#include <string>

#include "common/MessageBoxes.h"
#include "settings/SettingsStore.h"

namespace bytelora {

// Stores one setting from a window. A store that cannot be written is told in a warning
// box titled `boxTitle`, so that a choice that did not stick never passes in silence.
// False when the value was not stored.
bool SaveOrTell(Settings& settings, MessageBoxes& boxes, const std::string& boxTitle,
                const std::string& key, const std::string& value);

}  // namespace bytelora
