#include "settings/AutostartEntry.h"

#include <gtest/gtest.h>

#include "settings/StartupRegistration.h"

namespace bytelora {
namespace {

struct QuoteCase {
    const char* argument;
    const char* quoted;  // as it stands in the file
};

class QuoteExecArgumentTest : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(QuoteExecArgumentTest, EscapesForTheQuotingAndStringRules) {
    EXPECT_EQ(QuoteExecArgument(GetParam().argument), GetParam().quoted);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, QuoteExecArgumentTest,
    ::testing::Values(QuoteCase{"/usr/bin/bytelora", R"("/usr/bin/bytelora")"},
                      QuoteCase{"/opt/My Apps/bytelora", R"("/opt/My Apps/bytelora")"},
                      QuoteCase{R"(/opt/say "hi"/b)", R"("/opt/say \\"hi\\"/b")"},
                      QuoteCase{R"(/opt/a\b)", R"("/opt/a\\\\b")"},
                      QuoteCase{"/opt/$HOME/`x`", R"("/opt/\\$HOME/\\`x\\`")"},
                      QuoteCase{"/opt/100%/b", R"("/opt/100%%/b")"},
                      QuoteCase{"/opt/a\nb\tc\rd", R"("/opt/a\nb\tc\rd")"},
                      QuoteCase{"/opt/it's;&|<>~*?#()", R"x("/opt/it's;&|<>~*?#()")x"},
                      QuoteCase{"/opt/Zo\xC3\xAB/\xE2\x82\xAC",
                                "\"/opt/Zo\xC3\xAB/\xE2\x82\xAC\""}));

TEST(QuoteExecArgument, RefusesWhatAnEntryCannotCarry) {
    for (const char* path : {"/opt/\xFF/b", "/opt/\xC3", "/opt/a\x01", "/opt/a\x7F"}) {
        EXPECT_THROW(QuoteExecArgument(path), StartupRegistrationError) << path;
    }
}

TEST(AutostartEntryText, IsTheWholeEntry) {
    EXPECT_EQ(AutostartEntryText("/opt/Byte Lora/bytelora"),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Bytelora\n"
              "Exec=\"/opt/Byte Lora/bytelora\"\n"
              "Icon=org.bytelora.Bytelora\n"
              "X-GNOME-Autostart-enabled=true\n");
}

}  // namespace
}  // namespace bytelora
