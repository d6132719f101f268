#include "tray/TrayPlatform.h"

#include <gtest/gtest.h>

namespace bytelora {
namespace {

TEST(TrayPlatformLinux, BalloonBodiesReachTheNotificationServiceWithPlainLineEnds) {
    EXPECT_EQ(NativeBalloonText("has been minimized to the system tray.\r\nClick on the blue 'Q'"),
              "has been minimized to the system tray.\nClick on the blue 'Q'");
    EXPECT_EQ(NativeBalloonText("a\rb\n\r\nc"), "a\nb\n\nc");
    EXPECT_EQ(NativeBalloonText(""), "");
}

}  // namespace
}  // namespace bytelora
