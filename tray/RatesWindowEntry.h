#pragma once

#include <QAction>

namespace bytelora {

class TrayMenu;

// The menu's entries for the small meter, in the place kept for added entries:
//   Rates Window         checked while the meter is on
//   Rates Window Chart   checked while the meter draws the chart; shown only while the
//                        meter is on, so the menu a right-click on the meter opens offers it
struct RatesWindowEntries {
    QAction* window = nullptr;
    QAction* chart = nullptr;
};

RatesWindowEntries AddRatesWindowEntries(TrayMenu& menu);

}  // namespace bytelora
