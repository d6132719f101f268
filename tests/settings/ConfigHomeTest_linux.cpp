#include "settings/ConfigHome.h"

#include <gtest/gtest.h>

#include "support/ScopedEnv.h"

namespace bytelora {
namespace {

TEST(UserConfigHome, PrefersAnAbsoluteXdgConfigHome) {
    testing::ScopedEnv home("HOME", "/home/ann");
    const std::pair<std::optional<std::string>, const char*> cases[] = {
        {"/srv/conf", "/srv/conf"},
        {"relative/conf", "/home/ann/.config"},
        {"", "/home/ann/.config"},
        {std::nullopt, "/home/ann/.config"},
    };
    for (const auto& [xdgValue, expected] : cases) {
        testing::ScopedEnv xdg("XDG_CONFIG_HOME", xdgValue);
        EXPECT_EQ(UserConfigHome(), expected) << xdgValue.value_or("(unset)");
    }
}

}  // namespace
}  // namespace bytelora
