#include "settings/ConfigHome.h"

#include <gtest/gtest.h>

#include "ScopedEnv.h"

namespace bytelora {
namespace {

TEST(UserConfigHome, PrefersAnAbsoluteXdgConfigHome) {
    testing::ScopedEnv home("HOME", "/home/ann");
    {
        testing::ScopedEnv xdg("XDG_CONFIG_HOME", "/srv/conf");
        EXPECT_EQ(UserConfigHome(), "/srv/conf");
    }
    {
        testing::ScopedEnv xdg("XDG_CONFIG_HOME", "relative/conf");
        EXPECT_EQ(UserConfigHome(), "/home/ann/.config");
    }
    {
        testing::ScopedEnv xdg("XDG_CONFIG_HOME", "");
        EXPECT_EQ(UserConfigHome(), "/home/ann/.config");
    }
    {
        testing::ScopedEnv xdg("XDG_CONFIG_HOME", std::nullopt);
        EXPECT_EQ(UserConfigHome(), "/home/ann/.config");
    }
}

}  // namespace
}  // namespace bytelora
