#include "views/RatesWindowKind.h"

namespace bytelora {

// An unowned tool window (WS_EX_TOOLWINDOW) has no taskbar button and is not in the
// Alt+Tab list; topmost keeps it above normal windows.
Qt::WindowFlags RatesWindowType() {
    return Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
           Qt::WindowDoesNotAcceptFocus;
}

}  // namespace bytelora
