#pragma once

#include <QMenu>

#include <functional>

#include "common/RateUnits.h"
#include "common/TrayIconShows.h"
#include "tray/TrayMenu.h"

namespace bytelora {

// The tray menu's "Icon Shows" submenu: "Logo", "Rates", "Graph", one of them checked.
// `chosen` hears each pick once the menu has closed.
QMenu* AddIconShowsMenu(TrayMenu& menu, TrayIconShows current,
                        std::function<void(TrayIconShows)> chosen);

// The tray menu's "Units" submenu: "Bytes per second", "Bits per second".
QMenu* AddUnitsMenu(TrayMenu& menu, RateUnits current, std::function<void(RateUnits)> chosen);

}  // namespace bytelora
