#include "settings/InterfaceChoice.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace bytelora {
namespace {

using Names = std::vector<std::string>;

TEST(InterfaceChoice, StoredTextsReadBackAsNamesOrAsDamaged) {
    const struct {
        std::string text;
        std::optional<Names> names;
    } cases[] = {
        {"", Names{}},
        {"   ", Names{}},
        {"eth0", Names{"eth0"}},
        {"eth0, wlan0", Names{"eth0", "wlan0"}},
        {"eth0,wlan0", Names{"eth0", "wlan0"}},  // hand-written
        {"Ethernet 2, Wi-Fi", Names{"Ethernet 2", "Wi-Fi"}},
        {"eth0, eth0", Names{"eth0"}},
        {"ETH0", Names{"ETH0"}},  // matched exactly later, never folded
        {"eth0,", std::nullopt},
        {",eth0", std::nullopt},
        {"eth0,,wlan0", std::nullopt},
        {"eth0, \t", std::nullopt},
        {"eth\n0", std::nullopt},
        {std::string(256, 'x'), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseInterfaceChoice(c.text), c.names);
    }
}

TEST(InterfaceChoice, ChoicesSurviveTheRoundTripAndUnstorableNamesAreLeftOut) {
    for (const Names& names : {Names{}, Names{"eth0"}, Names{"enp3s0", "wlp2s0", "Wi-Fi 2"}}) {
        EXPECT_EQ(ParseInterfaceChoice(InterfaceChoiceText(names)), names);
    }
    EXPECT_EQ(InterfaceChoiceText({"a,b", "", " pad", "eth0"}), "eth0");

    // The message names the value, without its control characters, and says it is kept.
    const std::string message = DamagedInterfaceChoiceMessage("eth0,\x01");
    EXPECT_NE(message.find("\"eth0,?\""), std::string::npos);
    EXPECT_NE(message.find("kept"), std::string::npos);
}

}  // namespace
}  // namespace bytelora
