#include "tray/RatesWindowEntry.h"

#include "tray/TrayMenu.h"

namespace bytelora {

RatesWindowEntries AddRatesWindowEntries(TrayMenu& menu) {
    RatesWindowEntries entries;
    entries.window = menu.AddEntry(TrayMenu::tr("Rates Window"));
    entries.window->setObjectName(QStringLiteral("ratesWindowEntry"));
    entries.window->setCheckable(true);
    entries.chart = menu.AddEntry(TrayMenu::tr("Rates Window Chart"));
    entries.chart->setObjectName(QStringLiteral("ratesWindowChartEntry"));
    entries.chart->setCheckable(true);
    entries.chart->setVisible(false);
    return entries;
}

}  // namespace bytelora
