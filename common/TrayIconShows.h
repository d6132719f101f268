#pragma once

namespace bytelora {

// What the notification-area icon draws: the program's logo, the two rates as text, or a
// small graph of them. The tray draws it; the settings keep the user's choice.
enum class TrayIconShows { Logo, Rates, Graph };

}  // namespace bytelora
