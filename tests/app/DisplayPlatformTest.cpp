#include "app/DisplayPlatform.h"

#include <gtest/gtest.h>

#include <map>

namespace bytelora {
namespace {

std::string PlatformWith(std::map<std::string, std::string> variables) {
    return DisplayPlatformFor([&](const std::string& name) -> std::optional<std::string> {
        const auto it = variables.find(name);
        if (it == variables.end()) return std::nullopt;
        return it->second;
    });
}

TEST(DisplayPlatform, X11WhereverAServerIsReachableUnlessTheUserChose) {
    // A Wayland session with XWayland: X11 first, Wayland should its server not answer.
    EXPECT_EQ(PlatformWith({{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-0"}}), "xcb;wayland");
    EXPECT_EQ(PlatformWith({{"DISPLAY", ":0"}}), "xcb");
    // Native Wayland only, or no display at all: Qt's own choice.
    EXPECT_EQ(PlatformWith({{"WAYLAND_DISPLAY", "wayland-0"}}), "");
    EXPECT_EQ(PlatformWith({}), "");
    EXPECT_EQ(PlatformWith({{"DISPLAY", ""}, {"WAYLAND_DISPLAY", "wayland-0"}}), "");
    // The user's choice stands, whatever it is; an empty one is no choice.
    EXPECT_EQ(PlatformWith({{"QT_QPA_PLATFORM", "wayland"}, {"DISPLAY", ":0"}}), "");
    EXPECT_EQ(PlatformWith({{"QT_QPA_PLATFORM", "offscreen"}, {"DISPLAY", ":0"}}), "");
    EXPECT_EQ(PlatformWith({{"QT_QPA_PLATFORM", ""}, {"DISPLAY", ":0"}}), "xcb");
}

}  // namespace
}  // namespace bytelora
