#pragma once

#include <Qt>

namespace bytelora {

// The small meter floats above every window, has no frame, takes no focus, and stays
// out of the taskbar and the task switcher. Each desktop gets there its own way; the
// taskbar hint on X11 is KeepOutOfTaskbar (GraphWindowKind.h), sent at each show.
Qt::WindowFlags RatesWindowType();

}  // namespace bytelora
