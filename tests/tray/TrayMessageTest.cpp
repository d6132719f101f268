#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/FakeClock.h"
#include "support/FakeTrayBackend.h"
#include "tray/TrayIcon.h"

namespace bytelora {
namespace {

using testing::FakeClock;
using testing::FakeTrayBackend;

// Every event of the control, written down as "Name(button,id)".
class EventLog {
  public:
    explicit EventLog(TrayIcon& tray) {
        QObject::connect(&tray, &TrayIcon::MouseMove,
                         [this](std::int32_t id) { Add("MouseMove(" + std::to_string(id) + ")"); });
        QObject::connect(&tray, &TrayIcon::MouseDown,
                         [this](std::int16_t b, std::int32_t id) { Add("MouseDown", b, id); });
        QObject::connect(&tray, &TrayIcon::MouseUp,
                         [this](std::int16_t b, std::int32_t id) { Add("MouseUp", b, id); });
        QObject::connect(&tray, &TrayIcon::MouseDblClick,
                         [this](std::int16_t b, std::int32_t id) { Add("MouseDblClick", b, id); });
    }
    std::vector<std::string> events;

  private:
    void Add(std::string text) { events.push_back(std::move(text)); }
    void Add(const char* name, std::int16_t button, std::int32_t id) {
        Add(std::string(name) + "(" + std::to_string(button) + "," + std::to_string(id) + ")");
    }
};

TEST(TrayMessage, EachCodeRaisesItsEventThroughTheHookAndOnlyBalloonEndsClearTheBalloon) {
    struct Case {
        std::uint32_t lParam;
        std::vector<std::string> expected;  // with the icon id 7
        bool balloonStillUp;
    };
    const Case cases[] = {
        {0x200, {"MouseMove(7)"}, true},
        {0x201, {"MouseDown(1,7)"}, true},
        {0x202, {"MouseUp(1,7)"}, true},
        {0x203, {"MouseDblClick(1,7)"}, true},
        {0x204, {"MouseDown(2,7)"}, true},
        {0x205, {"MouseUp(2,7)"}, true},
        {0x206, {"MouseDblClick(2,7)"}, true},
        // The middle button, balloon shown and other codes raise nothing.
        {0x207, {}, true},
        {0x208, {}, true},
        {0x209, {}, true},
        {0x402, {}, true},
        {0x403, {}, false},
        {0x404, {}, false},
        {0x405, {}, false},
        {0x406, {}, true},
        {0x465, {}, true},
        {0x000, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lParam);
        FakeTrayBackend backend;
        FakeClock clock;
        TrayIcon tray(backend, clock, [] {});
        EventLog log(tray);
        tray.InTray(true);
        tray.ShowBalloon("text", "title", 0, false);  // no wait: stays up
        ASSERT_TRUE(tray.BalloonUp());

        backend.Click(c.lParam, 7);

        EXPECT_EQ(log.events, c.expected);
        EXPECT_EQ(tray.BalloonUp(), c.balloonStillUp);
    }
}

}  // namespace
}  // namespace bytelora
