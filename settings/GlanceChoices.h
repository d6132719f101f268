#pragma once

#include <string>

#include "common/RateUnits.h"
#include "common/TrayIconShows.h"

namespace bytelora {

class Settings;

// What the user chose to see without opening a window, kept in the settings:
//   Tray Icon     Logo | Rates | Graph    what the notification-area icon draws
//   Rates Window  On | Off                the small meter above other windows
//   Rate Units    Bytes | Bits            how the icon and the meter write the rates
// A missing or unknown value reads as the first choice, so a damaged setting never
// stops the program; it is written again the next time the user picks.
inline constexpr char kTrayIconKey[] = "Tray Icon";
inline constexpr char kRatesWindowKey[] = "Rates Window";
inline constexpr char kRateUnitsKey[] = "Rate Units";

TrayIconShows TrayIconShowsFromText(const std::string& text);
std::string TrayIconShowsText(TrayIconShows shows);
RateUnits RateUnitsFromText(const std::string& text);
std::string RateUnitsText(RateUnits units);

struct GlanceChoices {
    TrayIconShows trayIcon = TrayIconShows::Logo;
    bool ratesWindow = false;
    RateUnits units = RateUnits::Bytes;
};

GlanceChoices ReadGlanceChoices(Settings& settings);

}  // namespace bytelora
