#include "settings/GlanceChoices.h"

#include "settings/SettingsStore.h"

namespace bytelora {

TrayIconShows TrayIconShowsFromText(const std::string& text) {
    if (text == "Rates") return TrayIconShows::Rates;
    if (text == "Graph") return TrayIconShows::Graph;
    return TrayIconShows::Logo;
}

std::string TrayIconShowsText(TrayIconShows shows) {
    switch (shows) {
        case TrayIconShows::Rates:
            return "Rates";
        case TrayIconShows::Graph:
            return "Graph";
        case TrayIconShows::Logo:
            break;
    }
    return "Logo";
}

RateUnits RateUnitsFromText(const std::string& text) {
    return text == "Bits" ? RateUnits::Bits : RateUnits::Bytes;
}

std::string RateUnitsText(RateUnits units) {
    return units == RateUnits::Bits ? "Bits" : "Bytes";
}

GlanceChoices ReadGlanceChoices(Settings& settings) {
    GlanceChoices choices;
    choices.trayIcon = TrayIconShowsFromText(settings.Get(kTrayIconKey, "Logo"));
    choices.ratesWindow = settings.Get(kRatesWindowKey, "Off") == "On";
    choices.units = RateUnitsFromText(settings.Get(kRateUnitsKey, "Bytes"));
    return choices;
}

}  // namespace bytelora
