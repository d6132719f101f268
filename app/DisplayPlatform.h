#pragma once

#include <string>

#include "common/Environment.h"

namespace bytelora {

// The Qt platform Bytelora asks for, or empty to leave Qt its own choice. Minimising to
// the tray and the remembered position need X11's window model, which native Wayland
// does not offer (no client learns it was minimised; no window may place itself). So
// where an X server is reachable (DISPLAY, which a Wayland session's XWayland sets) it
// is X11, with Wayland as the fall-back should that server not answer. A platform the
// user chose (QT_QPA_PLATFORM) always stands.
std::string DisplayPlatformFor(const EnvironmentLookup& environment);

// Applies the choice to this process's QApplication, made right after; on Windows there
// is nothing to choose. Returns whether a platform was asked for.
bool RequestDisplayPlatform();
// Takes the request back once the application is made, so that programs started from
// Bytelora (the text editor, the browser) make their own choice.
void ForgetDisplayPlatformRequest();

}  // namespace bytelora
