#include "views/GraphWindowKind.h"

namespace bytelora {

// An unowned tool window has no taskbar button, and Windows stacks it like any other
// window.
Qt::WindowFlags GraphWindowType() {
    return Qt::Tool;
}

void KeepOutOfTaskbar(QWidget&) {}

}  // namespace bytelora
