#pragma once

#include <Qt>

class QWidget;

namespace bytelora {

// The graph window is a window of its own beside the main window: either can lie in
// front of the other, and it has no taskbar button. Each desktop gets there its own way.

// The window type and flags for the graph window on this system.
Qt::WindowFlags GraphWindowType();

// Asks the desktop, before the window is mapped, to leave it out of the taskbar and the
// pager where the window type alone does not.
void KeepOutOfTaskbar(QWidget& window);

}  // namespace bytelora
