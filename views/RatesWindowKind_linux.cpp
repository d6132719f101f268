#include "views/RatesWindowKind.h"

namespace bytelora {

// Not a tool window: on X11 Qt makes a tool window transient for the whole program, and
// window managers then iconify it with the main window, the very moment the meter is
// wanted. A plain window that takes no focus is left out of the task switcher; the
// taskbar and the pager are asked to skip it.
Qt::WindowFlags RatesWindowType() {
    return Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
           Qt::WindowDoesNotAcceptFocus;
}

}  // namespace bytelora
