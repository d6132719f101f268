#pragma once

#include <QLocale>
#include <QString>
#include <chrono>
#include <string>

namespace bytelora {

// A moment as the user reads it in local time: the locale's short date, one blank, and
// the time with seconds (AM/PM where the locale uses it, no time-zone name). At exactly
// midnight the date stands alone.
std::string LocalDateTimeText(std::chrono::system_clock::time_point when,
                              const QLocale& locale = QLocale::system());

// The locale's long time format without its time-zone part, e.g. "h:mm:ss AP".
QString TimeFormatWithoutZone(const QLocale& locale);

}  // namespace bytelora
