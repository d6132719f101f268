#include "history/DateTimeText.h"

#include <QDateTime>

namespace bytelora {

namespace {

// Removes what the zone name leaves behind: the blank before or after it ("h:mm:ss AP t",
// "t HH:mm:ss") and the brackets around it ("H:mm:ss (t)", "Bh:mm:ss [t]").
QString TidyAfterZone(const QString& format) {
    QString tidy;
    tidy.reserve(format.size());
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
        } else if (!quoted) {
            if (c == QLatin1Char(' ') && (tidy.isEmpty() || tidy.endsWith(QLatin1Char(' ')))) {
                continue;
            }
            const bool closes = c == QLatin1Char(')') || c == QLatin1Char(']');
            QString before = tidy;
            while (before.endsWith(QLatin1Char(' '))) {
                before.chop(1);
            }
            if (closes &&
                before.endsWith(c == QLatin1Char(')') ? QLatin1Char('(') : QLatin1Char('['))) {
                before.chop(1);
                tidy = before;
                continue;
            }
        }
        tidy += c;
    }
    while (tidy.endsWith(QLatin1Char(' '))) {
        tidy.chop(1);
    }
    return tidy;
}

}  // namespace

QString TimeFormatWithoutZone(const QLocale& locale) {
    // Quoted text is literal and kept; every unquoted run of 't' names the zone.
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString stripped;
    stripped.reserve(format.size());
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
        } else if (!quoted && c == QLatin1Char('t')) {
            continue;
        }
        stripped += c;
    }
    return TidyAfterZone(stripped);
}

std::string LocalDateTimeText(std::chrono::system_clock::time_point when, const QLocale& locale) {
    const auto since =
        std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch());
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(since.count(), Qt::LocalTime);
    const QTime time = local.time();
    QString text = locale.toString(local.date(), QLocale::ShortFormat);
    if (time.hour() != 0 || time.minute() != 0 || time.second() != 0) {
        text += QLatin1Char(' ');
        text += locale.toString(time, TimeFormatWithoutZone(locale));
    }
    return text.toStdString();
}

}  // namespace bytelora
