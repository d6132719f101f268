#pragma once

#include <QTranslator>

#include "translations/Translators.h"

namespace bytelora::testing {

// A stand-in for a German or French translation: every line of every text 40 % longer
// (its start again, as more words), its placeholders and line breaks kept.
class LongerTexts : public QTranslator {
  public:
    LongerTexts() { InstallBytelorasTranslation(this); }
    ~LongerTexts() override { RemoveBytelorasTranslation(this); }

    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        QStringList lines = QString::fromUtf8(source).split(QLatin1Char('\n'));
        for (QString& line : lines) {
            // Longer before any trailing blanks or \r, which the layout keeps.
            qsizetype end = line.size();
            while (end > 0 && line.at(end - 1).isSpace()) --end;
            if (end == 0) continue;
            QString more = line.left((end * 2 + 4) / 5);
            more.replace(QLatin1Char('%'), QLatin1Char('x'))
                .replace(QLatin1Char('&'), QLatin1Char('x'));
            line.insert(end, QLatin1Char(' ') + more.trimmed());
        }
        return lines.join(QLatin1Char('\n'));
    }
};

}  // namespace bytelora::testing
