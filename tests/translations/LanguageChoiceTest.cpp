#include "translations/LanguageChoice.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bytelora {
namespace {

using Preferred = std::vector<std::string>;

TEST(LanguageChoiceTest, StoredChoiceIsALanguageOrSystem) {
    EXPECT_EQ(ReadLanguageChoice("System"), "System");
    EXPECT_EQ(ReadLanguageChoice("de"), "de");
    EXPECT_EQ(ReadLanguageChoice("zh_TW"), "zh_TW");
    EXPECT_EQ(ReadLanguageChoice("en"), "en");
    // Missing, damaged or unknown values read as the system's language.
    for (const char* corrupt : {"", "Deutsch", "DE", "de ", "xx", "zh", "pt", "\xff\xfe"}) {
        EXPECT_EQ(ReadLanguageChoice(corrupt), "System") << corrupt;
    }
}

TEST(LanguageChoiceTest, ChosenLanguageWinsOverTheSystems) {
    EXPECT_EQ(TranslationFor("ja", {"de-DE"}), "ja");
    EXPECT_EQ(TranslationFor("en", {"de-DE"}), "");
    EXPECT_EQ(TranslationFor("garbage", {"de-DE"}), "de");
}

TEST(LanguageChoiceTest, SystemTakesTheFirstPreferredLanguageSpoken) {
    EXPECT_EQ(TranslationFor("System", {"de-DE", "fr-FR"}), "de");
    EXPECT_EQ(TranslationFor("System", {"nl-NL", "fr-CA", "de"}), "fr");
    EXPECT_EQ(TranslationFor("System", {"ru_RU.UTF-8"}), "ru");
    EXPECT_EQ(TranslationFor("System", {"es_ES.UTF-8@euro"}), "es");
    EXPECT_EQ(TranslationFor("System", {"ja-JP"}), "ja");
    EXPECT_EQ(TranslationFor("System", {"pt-BR"}), "pt_BR");
    EXPECT_EQ(TranslationFor("System", {"pt-PT"}), "pt_BR");
}

TEST(LanguageChoiceTest, EnglishOrNothingSpokenMeansNoTranslation) {
    EXPECT_EQ(TranslationFor("System", {}), "");
    EXPECT_EQ(TranslationFor("System", {"C"}), "");
    EXPECT_EQ(TranslationFor("System", {"POSIX"}), "");
    EXPECT_EQ(TranslationFor("System", {"en-US", "de-DE"}), "");
    EXPECT_EQ(TranslationFor("System", {"nl-NL", "sv-SE"}), "");
}

TEST(LanguageChoiceTest, ChineseScriptFollowsScriptOrRegion) {
    EXPECT_EQ(TranslationFor("System", {"zh-CN"}), "zh_CN");
    EXPECT_EQ(TranslationFor("System", {"zh-Hans-CN"}), "zh_CN");
    EXPECT_EQ(TranslationFor("System", {"zh_SG.UTF-8"}), "zh_CN");
    EXPECT_EQ(TranslationFor("System", {"zh"}), "zh_CN");
    EXPECT_EQ(TranslationFor("System", {"zh-TW"}), "zh_TW");
    EXPECT_EQ(TranslationFor("System", {"zh-Hant-TW"}), "zh_TW");
    EXPECT_EQ(TranslationFor("System", {"zh_HK.UTF-8"}), "zh_TW");
    EXPECT_EQ(TranslationFor("System", {"zh-Hant"}), "zh_TW");
}

TEST(LanguageChoiceTest, EveryLanguageHasAFileCodeAndItsOwnName) {
    ASSERT_EQ(Languages().size(), 9u);
    EXPECT_STREQ(Languages().front().code, "en");
    for (const Language& language : Languages()) {
        EXPECT_EQ(ReadLanguageChoice(language.code), language.code);
        EXPECT_EQ(TranslationFor(language.code, {}),
                  language.code == std::string("en") ? "" : language.code);
        EXPECT_NE(std::string(language.ownName), "");
    }
}

}  // namespace
}  // namespace bytelora
