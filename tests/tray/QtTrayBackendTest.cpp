#include "tray/QtTrayBackend.h"

#include <gtest/gtest.h>

#include <QMenu>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

#include "support/FakeClock.h"
#include "tray/TrayIcon.h"
#include "tray/TrayIcons.h"

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
    TrayIcon tray(backend, clock, [] {});
    std::vector<std::int16_t> ups;
    QObject::connect(&tray, &TrayIcon::MouseUp,
                     [&](std::int16_t button, std::int32_t) { ups.push_back(button); });
    tray.InTray(true);

    backend.OnActivated(QSystemTrayIcon::Trigger);
    backend.OnActivated(QSystemTrayIcon::Context);
    backend.OnActivated(QSystemTrayIcon::MiddleClick);

    EXPECT_EQ(ups, (std::vector<std::int16_t>{1, 2}));
}

// A notification area that the test makes appear and go away.
class FakeHostWatcher final : public TrayHostWatcher {
  public:
    explicit FakeHostWatcher(bool present) : present_(present) {}
    bool HostPresent() const override { return present_; }
    void Change(bool present) {
        present_ = present;
        emit HostChanged(present);
    }

  private:
    bool present_;
};

struct WatchedBackend {
    explicit WatchedBackend(bool present) {
        auto owned = std::make_unique<FakeHostWatcher>(present);
        watcher = owned.get();
        backend = std::make_unique<QtTrayBackend>(std::move(owned));
        backend->SetAvailabilityHandler([this](bool available) { notices.push_back(available); });
    }
    FakeHostWatcher* watcher = nullptr;
    std::unique_ptr<QtTrayBackend> backend;
    std::vector<bool> notices;
};

TEST(QtTrayBackendHosts, QtsIconIsOnlyMadeOnceATrayIsThereAndMadeAgainForANewOne) {
    WatchedBackend rig(false);
    QtTrayBackend& backend = *rig.backend;
    QMenu menu;
    backend.SetMenu(&menu);
    // No tray yet: Qt is not asked, so that it does not settle on "no tray" for the run.
    backend.AddIcon(TrayIconImage(), "first tip");
    backend.ChangeTip("Bytelora \u2014 Download: 1 Kb/s, Upload: 2 Kb/s");
    EXPECT_FALSE(backend.IsAvailable());
    EXPECT_TRUE(backend.IsShown());
    EXPECT_EQ(backend.QtIcon(), nullptr);
    backend.ShowBalloon("Bytelora", "text", 5000);  // nowhere to come from: refused quietly

    rig.watcher->Change(true);
    ASSERT_NE(backend.QtIcon(), nullptr);
    EXPECT_EQ(backend.QtIcon()->toolTip(), "Bytelora \u2014 Download: 1 Kb/s, Upload: 2 Kb/s");
    EXPECT_EQ(backend.QtIcon()->contextMenu(), &menu);
    EXPECT_FALSE(backend.QtIcon()->icon().isNull());
    EXPECT_TRUE(backend.QtIcon()->isVisible());
    QSystemTrayIcon* first = backend.QtIcon();

    rig.watcher->Change(false);
    EXPECT_EQ(backend.QtIcon(), nullptr);
    EXPECT_TRUE(backend.IsShown());  // still wanted
    rig.watcher->Change(true);
    ASSERT_NE(backend.QtIcon(), nullptr);
    EXPECT_NE(backend.QtIcon(), first);
    EXPECT_EQ(rig.notices, (std::vector<bool>{true, false, true}));

    // Clicks on the new icon reach the control as on the first.
    Codes codes;
    backend.SetMessageHandler([&](std::uint32_t l, std::uint32_t w) { codes.emplace_back(l, w); });
    emit backend.QtIcon()->activated(QSystemTrayIcon::Trigger);
    EXPECT_EQ(codes, (Codes{{0x201, 0}, {0x202, 0}}));
    backend.SetMenu(nullptr);
}

TEST(QtTrayBackendHosts, ADeletedEntryIsNotPutIntoANewTray) {
    WatchedBackend rig(true);
    QtTrayBackend& backend = *rig.backend;
    backend.AddIcon(QIcon(), "tip");
    ASSERT_NE(backend.QtIcon(), nullptr);
    backend.DeleteIcon();
    EXPECT_EQ(backend.QtIcon(), nullptr);
    rig.watcher->Change(false);
    rig.watcher->Change(true);
    EXPECT_EQ(backend.QtIcon(), nullptr);
    EXPECT_EQ(rig.notices, (std::vector<bool>{false, true}));
}

TEST(QtTrayBackendHosts, TheControlPassesTheNoticesOnAndStopsWhenItEnds) {
    WatchedBackend rig(true);
    std::vector<bool> seen;
    {
        testing::FakeClock clock;
        TrayIcon tray(*rig.backend, clock, [] {});
        QObject::connect(&tray, &TrayIcon::TrayAvailabilityChanged,
                         [&](bool available) { seen.push_back(available); });
        tray.InTray(true);
        rig.watcher->Change(false);
        EXPECT_TRUE(tray.InTray());
        EXPECT_FALSE(tray.TrayAvailable());
        rig.watcher->Change(true);
    }
    rig.watcher->Change(false);  // the control has ended: nobody to tell
    EXPECT_EQ(seen, (std::vector<bool>{false, true}));
}

}  // namespace
}  // namespace bytelora
