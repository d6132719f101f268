#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "support/FakeClock.h"
#include "support/FakeTrayBackend.h"
#include "tray/cSysTray.h"

namespace bytelora {
namespace {

using testing::FakeClock;
using testing::FakeTrayBackend;

// Every event of the control, written down as "Name(button,id)".
class EventLog {
  public:
    explicit EventLog(cSysTray& tray) {
        QObject::connect(&tray, &cSysTray::MouseMove,
                         [this](std::int32_t id) { Add("MouseMove(" + std::to_string(id) + ")"); });
        QObject::connect(&tray, &cSysTray::MouseDown,
                         [this](std::int16_t b, std::int32_t id) { Add("MouseDown", b, id); });
        QObject::connect(&tray, &cSysTray::MouseUp,
                         [this](std::int16_t b, std::int32_t id) { Add("MouseUp", b, id); });
        QObject::connect(&tray, &cSysTray::MouseDblClick,
                         [this](std::int16_t b, std::int32_t id) { Add("MouseDblClick", b, id); });
    }
    std::vector<std::string> events;

  private:
    void Add(std::string text) { events.push_back(std::move(text)); }
    void Add(const char* name, std::int16_t button, std::int32_t id) {
        Add(std::string(name) + "(" + std::to_string(button) + "," + std::to_string(id) + ")");
    }
};

struct CodeCase {
    std::uint32_t lParam;
    std::vector<std::string> expected;  // with the icon id 7
};

const CodeCase kCodeTable[] = {
    {0x200, {"MouseMove(7)"}},
    {0x201, {"MouseDown(1,7)"}},
    {0x202, {"MouseUp(1,7)"}},
    {0x203, {"MouseDblClick(1,7)"}},
    {0x204, {"MouseDown(2,7)"}},
    {0x205, {"MouseUp(2,7)"}},
    {0x206, {"MouseDblClick(2,7)"}},
    // The middle button, balloon shown and other codes raise nothing.
    {0x207, {}},
    {0x208, {}},
    {0x209, {}},
    {0x402, {}},
    {0x403, {}},
    {0x404, {}},
    {0x405, {}},
    {0x465, {}},
    {0x000, {}},
};

void PrintTo(const CodeCase& code, std::ostream* os) {
    *os << "lParam 0x" << std::hex << code.lParam;
}

class TrayMessageTest : public ::testing::TestWithParam<CodeCase> {};

TEST_P(TrayMessageTest, CodeRaisesItsEventThroughTheHook) {
    FakeTrayBackend backend;
    FakeClock clock;
    cSysTray tray(backend, clock, [] {});
    EventLog log(tray);
    tray.InTray(true);

    backend.Click(GetParam().lParam, 7);

    EXPECT_EQ(log.events, GetParam().expected);
}

std::string CodeName(const ::testing::TestParamInfo<CodeCase>& code) {
    return "code_" + std::to_string(code.param.lParam);
}

INSTANTIATE_TEST_SUITE_P(CodeTable, TrayMessageTest, ::testing::ValuesIn(kCodeTable), CodeName);

TEST(TrayMessage, OnlyTheBalloonEndCodesClearBalloonUp) {
    const struct {
        std::uint32_t lParam;
        bool stillUp;
    } cases[] = {{0x402, true}, {0x403, false}, {0x404, false}, {0x405, false},
                 {0x202, true}, {0x207, true},  {0x406, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lParam);
        FakeTrayBackend backend;
        FakeClock clock;
        cSysTray tray(backend, clock, [] {});
        tray.InTray(true);
        tray.ShowBalloon("text", "title", 0, false);  // no wait: stays up
        ASSERT_TRUE(tray.BalloonUp());

        tray.HandleTrayMessage(c.lParam, 0);

        EXPECT_EQ(tray.BalloonUp(), c.stillUp);
    }
}

}  // namespace
}  // namespace bytelora
