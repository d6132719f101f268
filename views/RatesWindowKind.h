#pragma once

#include <Qt>

class QWidget;

namespace bytelora {

// The small meter floats above every window, has no frame, takes no focus, and stays
// out of the taskbar and the task switcher. Each desktop gets there its own way.
Qt::WindowFlags RatesWindowType();

}  // namespace bytelora
