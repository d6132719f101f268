#include "tray/TrayPlatform.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QToolTip>
#include <QWidget>

namespace bytelora {
namespace {

TEST(TrayPlatformLinux, BalloonBodiesReachTheNotificationServiceWithPlainLineEnds) {
    EXPECT_EQ(NativeBalloonText("has been minimized to the system tray.\r\nClick on the blue 'Q'"),
              "has been minimized to the system tray.\nClick on the blue 'Q'");
    EXPECT_EQ(NativeBalloonText("a\rb\n\r\nc"), "a\nb\n\nc");
    EXPECT_EQ(NativeBalloonText(""), "");
}

TEST(TrayPlatformLinux, AnOpenTipOverTheXEmbedIconTakesTheNewRates) {
    // Qt's XEmbed icon is a window of this name; its tip is Qt's own tool tip.
    QWidget icon;
    icon.setObjectName(QStringLiteral("QSystemTrayIconSys"));
    icon.resize(22, 22);
    icon.show();
    QToolTip::showText(QCursor::pos(), QStringLiteral("Bytelora \u2014 Download: 1 Kb/s"), &icon);
    ASSERT_TRUE(QToolTip::isVisible());

    RefreshOpenTip(QStringLiteral("Bytelora \u2014 Download: 1 Kb/s"),
                   QStringLiteral("Bytelora \u2014 Download: 9 Kb/s"));
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Bytelora \u2014 Download: 9 Kb/s"));

    // Another tip that happens to be open is left alone.
    RefreshOpenTip(QStringLiteral("something else"), QStringLiteral("Bytelora"));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Bytelora \u2014 Download: 9 Kb/s"));
    QToolTip::hideText();
}

}  // namespace
}  // namespace bytelora
