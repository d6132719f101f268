#include "views/ShownAmounts.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

#include "translations/Translators.h"
#include "usage/UsageText.h"

namespace bytelora {

namespace {

// The units, for lupdate; ByteAmountParts names them in English.
[[maybe_unused]] const char* const kUnitTexts[] = {QT_TRANSLATE_NOOP("bytelora::ByteAmount", "B"),
                                                   QT_TRANSLATE_NOOP("bytelora::ByteAmount", "KB"),
                                                   QT_TRANSLATE_NOOP("bytelora::ByteAmount", "MB"),
                                                   QT_TRANSLATE_NOOP("bytelora::ByteAmount", "GB"),
                                                   QT_TRANSLATE_NOOP("bytelora::ByteAmount", "TB"),
                                                   QT_TRANSLATE_NOOP("bytelora::ByteAmount", "PB"),
                                                   QT_TRANSLATE_NOOP("bytelora::ByteAmount", "EB")};

// Numbers too short to need one are never grouped: "1000 KB" never reads "1,000 KB".
QLocale NumberLocale() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

}  // namespace

QString ShownByteAmount(std::uint64_t bytes) {
    if (!ShowsTranslatedTexts()) return QString::fromStdString(ByteAmountText(bytes));
    const ByteAmountParts parts = SplitByteAmount(bytes);
    return NumberLocale().toString(parts.value, 'f', parts.decimals) + QLatin1Char(' ') +
           QCoreApplication::translate("bytelora::ByteAmount", parts.unit);
}

QString ShownRate(std::uint64_t kilobitsPerSecond) {
    const QString unit = QCoreApplication::translate("bytelora::AppsWindow", "Kb/s");
    if (!ShowsTranslatedTexts())
        return QString::number(kilobitsPerSecond) + QLatin1Char(' ') + unit;
    return QLocale().toString(static_cast<qulonglong>(kilobitsPerSecond)) + QLatin1Char(' ') + unit;
}

QString ShownUsageLabel(const std::string& label) {
    QString text = QString::fromStdString(label);
    text.replace(QLatin1Char('T'), QLatin1Char(' '));
    if (!ShowsTranslatedTexts()) return text;
    const QLocale locale;
    const QDate day = QDate::fromString(text.left(10), Qt::ISODate);
    if (label.size() == 10 && day.isValid()) return locale.toString(day, QLocale::ShortFormat);
    if (label.size() > 10 && day.isValid())
        return locale.toString(day, QLocale::ShortFormat) + text.mid(10);
    const QDate month = QDate::fromString(text, QStringLiteral("yyyy-MM"));
    if (month.isValid())
        return locale.standaloneMonthName(month.month(), QLocale::ShortFormat) + QLatin1Char(' ') +
               QString::number(month.year());
    return text;
}

}  // namespace bytelora
