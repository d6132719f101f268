#include "history/DateTimeText.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <chrono>
#include <ctime>
#include <optional>
#include <string>

#include "support/ScopedEnv.h"

namespace bytelora {
namespace {

using namespace std::chrono;

// Every case runs in UTC so that the expected texts do not depend on the machine.
class DateTimeTextTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        zone_.emplace("TZ", "UTC");
        tzset();
    }
    static void TearDownTestSuite() {
        zone_.reset();
        tzset();
    }

    static system_clock::time_point At(int h, int m, int s, int ms = 0) {
        return sys_days{year{2024} / 3 / 5} + hours(h) + minutes(m) + seconds(s) + milliseconds(ms);
    }

    const QLocale us_{QLocale::English, QLocale::UnitedStates};
    const QLocale german_{QLocale::German, QLocale::Germany};

  private:
    static inline std::optional<testing::ScopedEnv> zone_;
};

// The locale data may separate the time and "PM" with a narrow no-break space.
std::string Plain(std::string text) {
    const std::string narrowBlank = "\xE2\x80\xAF";
    for (auto at = text.find(narrowBlank); at != std::string::npos; at = text.find(narrowBlank)) {
        text.replace(at, narrowBlank.size(), " ");
    }
    return text;
}

TEST_F(DateTimeTextTest, ShortDateAndTimeWithSecondsButMidnightShowsTheDateAlone) {
    const struct {
        system_clock::time_point at;
        const char* us;
        const char* german;
    } cases[] = {
        {At(14, 7, 9), "3/5/24 2:07:09 PM", "05.03.24 14:07:09"},
        {At(9, 0, 5), "3/5/24 9:00:05 AM", "05.03.24 09:00:05"},
        {At(0, 0, 0), "3/5/24", "05.03.24"},
        {At(0, 0, 0, 999), "3/5/24", "05.03.24"},
        {At(0, 0, 1), "3/5/24 12:00:01 AM", "05.03.24 00:00:01"},
        {At(23, 59, 59, 999), "3/5/24 11:59:59 PM", "05.03.24 23:59:59"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Plain(LocalDateTimeText(c.at, us_)), c.us);
        EXPECT_EQ(LocalDateTimeText(c.at, german_), c.german);
    }
}

TEST_F(DateTimeTextTest, NoLocaleShowsTheZone) {
    for (const char* name : {"en_US", "en_GB", "de_DE", "fr_FR", "es_ES", "ja_JP", "zh_CN", "ko_KR",
                             "ru_RU", "pt_BR", "fi_FI", "ar_EG"}) {
        const QLocale locale(QString::fromLatin1(name));
        const auto text = QString::fromStdString(LocalDateTimeText(At(14, 7, 9), locale));
        EXPECT_FALSE(text.contains(QLatin1String("UTC"))) << name << ": " << text.toStdString();
        EXPECT_FALSE(text.contains(QLatin1String("GMT"))) << name << ": " << text.toStdString();
        EXPECT_FALSE(text.endsWith(QLatin1Char(' '))) << name;
        EXPECT_FALSE(text.contains(QLatin1String("  "))) << name;
        EXPECT_FALSE(text.contains(QLatin1String("()"))) << name;
        EXPECT_FALSE(text.contains(QLatin1String("[]"))) << name;
        EXPECT_NE(LocalDateTimeText(At(14, 7, 8), locale), text.toStdString()) << name;
    }
}

TEST_F(DateTimeTextTest, ZoneIsCutFromTheLocaleFormat) {
    EXPECT_EQ(TimeFormatWithoutZone(us_).toStdString(), "h:mm:ss AP");
    EXPECT_EQ(TimeFormatWithoutZone(german_).toStdString(), "HH:mm:ss");
    EXPECT_EQ(TimeFormatWithoutZone(QLocale(QStringLiteral("es_ES"))).toStdString(), "H:mm:ss");
    EXPECT_EQ(TimeFormatWithoutZone(QLocale(QStringLiteral("zh_CN"))).toStdString(), "HH:mm:ss");
    EXPECT_EQ(TimeFormatWithoutZone(QLocale(QStringLiteral("fr_CA"))).toStdString(),
              "HH 'h' mm 'min' ss 's'");
}

TEST_F(DateTimeTextTest, FollowsTheLocalZone) {
    std::string text;
    {
        const testing::ScopedEnv zone("TZ", "CET-1");
        tzset();
        text = LocalDateTimeText(At(23, 0, 0), german_);
    }
    tzset();
    EXPECT_EQ(text, "06.03.24");
}

}  // namespace
}  // namespace bytelora
