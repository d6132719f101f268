#pragma once

#include <QIcon>

namespace bytelora {

// The tray icon: a blue letter Q with a dark outline on a light cyan square, at 16, 22,
// 24, 32 and 48 pixels.
QIcon TrayIconImage();

// The program's icon for its windows: a dark chart panel with a dotted grid, a magenta
// wave and an eye, at 16 to 256 pixels.
QIcon ProgramIcon();

}  // namespace bytelora
