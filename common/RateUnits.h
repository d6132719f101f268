#pragma once

namespace bytelora {

// How the rates read at a glance (the tray icon and the small meter): bytes per second
// on the 1024 base, as the windows count, or bits per second on the 1000 base, as
// network people read them. The main window's texts do not change with it.
enum class RateUnits { Bytes, Bits };

}  // namespace bytelora
