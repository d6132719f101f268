#include "tray/QtTrayBackend.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

#include "support/FakeClock.h"
#include "tray/TrayIcons.h"
#include "tray/cSysTray.h"

namespace bytelora {
namespace {

using Codes = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

class QtTrayBackendTest : public ::testing::Test {
  protected:
    void SetUp() override {
        backend.SetMessageHandler([this](std::uint32_t lParam, std::uint32_t wParam) {
            codes.emplace_back(lParam, wParam);
        });
    }
    QtTrayBackend backend;
    Codes codes;
};

TEST_F(QtTrayBackendTest, ActivationsAndBalloonClicksBecomeTheClassicCodes) {
    const struct {
        QSystemTrayIcon::ActivationReason reason;
        Codes expected;
    } cases[] = {
        {QSystemTrayIcon::Trigger, {{0x201, 0}, {0x202, 0}}},
        {QSystemTrayIcon::Context, {{0x204, 0}, {0x205, 0}}},
        {QSystemTrayIcon::DoubleClick, {{0x203, 0}}},
        {QSystemTrayIcon::MiddleClick, {{0x207, 0}, {0x208, 0}}},
        {QSystemTrayIcon::Unknown, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.reason));
        codes.clear();
        backend.OnActivated(c.reason);
        EXPECT_EQ(codes, c.expected);
    }
    codes.clear();
    backend.OnMessageClicked();  // the balloon: the user's click on it
    EXPECT_EQ(codes, (Codes{{0x405, 0}}));
}

TEST_F(QtTrayBackendTest, FailingHandlerDoesNotEscapeIntoQt) {
    backend.SetMessageHandler([](std::uint32_t, std::uint32_t) { throw std::runtime_error("x"); });
    EXPECT_NO_THROW(backend.OnActivated(QSystemTrayIcon::Trigger));
    EXPECT_NO_THROW(backend.OnMessageClicked());
}

TEST_F(QtTrayBackendTest, AddAndDeleteFollowTheIcon) {
    backend.AddIcon(QIcon(), "Bytelora");  // no picture: still something to click
    EXPECT_TRUE(backend.IsShown());
    backend.ShowBalloon("title", "text", 0);
    backend.TakeBalloonDown();
    backend.DeleteIcon();
    EXPECT_FALSE(backend.IsShown());
    backend.ShowBalloon("title", "text", 5000);  // refused quietly, as the shell would
}

TEST(QtTrayBackendWithControl, RightClickRestoresLikeLeftAndMiddleDoesNothing) {
    QtTrayBackend backend;
    testing::FakeClock clock;
    cSysTray tray(backend, clock, [] {});
    std::vector<std::int16_t> ups;
    QObject::connect(&tray, &cSysTray::MouseUp,
                     [&](std::int16_t button, std::int32_t) { ups.push_back(button); });
    tray.InTray(true);

    backend.OnActivated(QSystemTrayIcon::Trigger);
    backend.OnActivated(QSystemTrayIcon::Context);
    backend.OnActivated(QSystemTrayIcon::MiddleClick);

    EXPECT_EQ(ups, (std::vector<std::int16_t>{1, 2}));
}

}  // namespace
}  // namespace bytelora
