#include "common/AppText.h"

#include <gtest/gtest.h>

#include <string>

namespace bytelora {
namespace {

TEST(StripTrailingWord, DropsTheLastWordOnlyWhenItIsTheGivenOne) {
    const struct {
        const char* text;
        const char* word;
        const char* expected;
    } cases[] = {
        {"Fast Usage Software", "Software", "Fast Usage"},
        {"Fast Usage Tool", "Software", "Fast Usage Tool"},
        {"Fast Usage Tool", "", "Fast Usage"},
        {"Bytelora", "Software", "Bytelora"},
        {"Bytelora", "", "Bytelora"},
        {"Fast Usage software", "Software", "Fast Usage software"},
        {"  Fast Software", "Software", "Fast"},
        {"Software", "Software", "Software"},
        {"Fast Usage ", "Software", "Fast Usage "},
        {"Fast Usage ", "", "Fast Usage"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StripTrailingWord(c.text, c.word), c.expected) << c.text << " / " << c.word;
    }
}

TEST(CleanFileName, RemovesEachUnwantedCharacterAndKeepsTheRestInOrder) {
    EXPECT_EQ(CleanFileName("Fast Usage (2.0)"), "FastUsage20");
    EXPECT_EQ(CleanFileName("aZ09_!@&[]~^`"), "aZ09_!@&[]~^`");
    EXPECT_EQ(CleanFileName("Caf\xC3\xA9 Net"), "Caf\xC3\xA9Net");
    EXPECT_EQ(CleanFileName("$$$"), "");
    const std::string unwanted = "$/\\*:?<>|#' .,\"()-+=%;{}\t";
    ASSERT_EQ(unwanted.size(), 25U);
    for (const char c : unwanted) {
        EXPECT_EQ(CleanFileName(std::string("a") + c + "b" + c + c), "ab") << int{c};
    }
}

TEST(MakeAppTitle, DropsWordsUntilFortyCharactersRemainButKeepsTheFirst) {
    std::string accented;
    for (int i = 0; i < 40; ++i) accented += "\xC3\xA9";  // 40 characters, 80 bytes
    const std::string exactly40(40, 'a');
    const std::pair<std::string, std::string> cases[] = {
        {"Fast Usage Tool", "Fast Usage"},
        {"A B", "A"},
        {"Bytelora", "Bytelora"},
        {"", ""},
        {" Bytelora", " Bytelora"},
        // 41 characters before the last word: two words have to go.
        {"Twelve chars Twelve chars Twelve chars xx Net", "Twelve chars Twelve chars Twelve chars"},
        {exactly40 + " Tail", exactly40},
        {std::string(50, 'a') + " Tail", std::string(50, 'a')},
        {accented + " Tail", accented},  // characters count, not bytes
    };
    for (const auto& [name, title] : cases) EXPECT_EQ(MakeAppTitle(name), title) << name;
}

TEST(AppTitle, IsTheProductNameAfterSetAppTitle) {
    SetAppTitle();
    EXPECT_EQ(AppTitle(), "Bytelora");
}

}  // namespace
}  // namespace bytelora
