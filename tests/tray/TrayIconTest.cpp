#include "tray/TrayIcon.h"

#include <gtest/gtest.h>
#include <QPixmap>
#include <QTimer>

#include <chrono>
#include <functional>
#include <stdexcept>

#include "support/FakeClock.h"
#include "support/FakeTrayBackend.h"
#include "tray/TrayText.h"

namespace bytelora {
namespace {

using namespace std::chrono_literals;
using testing::FakeClock;
using testing::FakeTrayBackend;
using Kind = FakeTrayBackend::Kind;

QIcon SolidIcon(Qt::GlobalColor color) {
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    return QIcon(pixmap);
}

// The balloon's wait runs on a fake clock: every turn of the event pump moves time on
// by a quarter second and lets the test act as the user at a chosen turn.
class SysTrayTest : public ::testing::Test {
  protected:
    void Pump() {
        ++turns;
        clock.Advance(step);
        if (onTurn) onTurn(turns);
    }

    FakeTrayBackend backend;
    FakeClock clock;
    std::chrono::milliseconds step = 250ms;
    int turns = 0;
    std::function<void(int)> onTurn;
    TrayIcon tray{backend, clock, [this] { Pump(); }};
};

TEST_F(SysTrayTest, PuttingIntoTrayAddsWithCurrentTipAndIconAndInstallsHook) {
    const QIcon icon = SolidIcon(Qt::red);
    tray.Icon(icon);
    tray.TrayTip("Bytelora");
    EXPECT_TRUE(backend.calls().empty()) << "out of the tray nothing reaches the shell";

    tray.InTray(true);

    ASSERT_EQ(backend.kinds(), std::vector<Kind>{Kind::AddIcon});
    EXPECT_EQ(backend.calls()[0].tip, "Bytelora");
    EXPECT_EQ(backend.calls()[0].icon.cacheKey(), icon.cacheKey());
    EXPECT_TRUE(tray.InTray());
    EXPECT_TRUE(tray.AddedToTray());
    EXPECT_TRUE(backend.HasMessageHandler());
}

TEST_F(SysTrayTest, SettingInTrayToItsCurrentValueDoesNothing) {
    tray.InTray(false);
    EXPECT_TRUE(backend.calls().empty());

    tray.InTray(true);
    tray.InTray(true);
    EXPECT_EQ(backend.kinds(), std::vector<Kind>{Kind::AddIcon});
    // Untouched, the control adds the blue Q without a tip.
    EXPECT_TRUE(backend.calls()[0].tip.isEmpty());
    EXPECT_FALSE(backend.calls()[0].icon.isNull());

    tray.InTray(false);
    tray.InTray(false);
    EXPECT_EQ(backend.kinds(), (std::vector<Kind>{Kind::AddIcon, Kind::DeleteIcon}));
    EXPECT_FALSE(tray.AddedToTray());
    EXPECT_FALSE(backend.HasMessageHandler());

    // A tip set out of the tray is only kept, and goes with the next add.
    backend.ClearCalls();
    tray.TrayTip("later");
    EXPECT_TRUE(backend.calls().empty());
    tray.InTray(true);
    ASSERT_EQ(backend.kinds(), std::vector<Kind>{Kind::AddIcon});
    EXPECT_EQ(backend.calls()[0].tip, "later");
}

TEST_F(SysTrayTest, ChangesWhileInTrayReachTheShellAtOnce) {
    tray.InTray(true);
    backend.ClearCalls();
    const QIcon green = SolidIcon(Qt::green);

    tray.TrayTip("new tip");
    tray.Icon(green);
    tray.Icon(QIcon());  // ignored: the shown picture stays

    ASSERT_EQ(backend.kinds(), (std::vector<Kind>{Kind::ChangeTip, Kind::ChangeIcon}));
    EXPECT_EQ(backend.calls()[0].tip, "new tip");
    EXPECT_EQ(backend.calls()[1].icon.cacheKey(), green.cacheKey());
    EXPECT_EQ(tray.Icon().cacheKey(), green.cacheKey());
    EXPECT_EQ(tray.TrayTip(), "new tip");
}

TEST(SysTrayLifetime, EndOfTheControlTakesTheIconOut) {
    FakeTrayBackend backend;
    {
        TrayIcon tray(backend);
        tray.InTray(true);
    }
    EXPECT_EQ(backend.kinds(), (std::vector<Kind>{Kind::AddIcon, Kind::DeleteIcon}));
    EXPECT_FALSE(backend.HasMessageHandler());

    FakeTrayBackend untouched;
    { TrayIcon tray(untouched); }
    EXPECT_TRUE(untouched.calls().empty());
}

TEST_F(SysTrayTest, HandlerMayTakeTheIconOutWhileItsEventRuns) {
    QObject::connect(&tray, &TrayIcon::MouseUp,
                     [&](std::int16_t, std::int32_t) { tray.InTray(false); });
    tray.InTray(true);
    backend.RightClick();
    EXPECT_FALSE(tray.InTray());
    EXPECT_EQ(backend.Count(Kind::DeleteIcon), 1u);
}

// ---- Texts are cut to what the shell's fields hold -------------------------------

TEST_F(SysTrayTest, TextsAreCutToTheirFieldsButTheTipIsKeptWhole) {
    const QString longTip(200, QChar('t'));
    const QString longText(300, QChar('x'));
    const QString longTitle(100, QChar('y'));
    tray.TrayTip(longTip);
    tray.InTray(true);
    tray.TrayTip(longTip + "!");
    tray.ShowBalloon(longText, longTitle, 0, false);

    EXPECT_EQ(backend.Last(Kind::AddIcon)->tip, longTip.left(127));
    EXPECT_EQ(backend.Last(Kind::ChangeTip)->tip, longTip.left(127));
    EXPECT_EQ(backend.Last(Kind::ShowBalloon)->text, longText.left(255));
    EXPECT_EQ(backend.Last(Kind::ShowBalloon)->title, longTitle.left(63));
    EXPECT_EQ(tray.TrayTip(), longTip + "!");
}

TEST(CutToField, KeepsTextsThatFitAndNeverSplitsACharacter) {
    struct Case {
        QString text;
        qsizetype max;
        QString expected;
    };
    const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E");  // two UTF-16 units
    const Case cases[] = {
        {"", 127, ""},
        {QString(127, 'a'), 127, QString(127, 'a')},
        {QString(128, 'a'), 127, QString(127, 'a')},
        {"abc", 0, ""},
        {QString(62, 'a') + clef, 63, QString(62, 'a')},
        {QString(61, 'a') + clef + "b", 63, QString(61, 'a') + clef},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CutToField(c.text, c.max), c.expected) << c.text.toStdString();
    }
}

// ---- Balloons ----------------------------------------------------------------------

TEST_F(SysTrayTest, ShowOnceBalloonIsShownOnlyTheFirstTimeOthersAlwaysAndUncounted) {
    tray.InTray(true);
    tray.ShowBalloon("a", "t", 0, false);
    EXPECT_EQ(tray.BalloonCount(), 0);
    tray.ShowBalloon("has been minimized", "Bytelora", 0, true);
    tray.ShowBalloon("has been minimized", "Bytelora", 0, true);
    tray.ShowBalloon("b", "t", 0, false);
    EXPECT_EQ(backend.Count(Kind::ShowBalloon), 3u);
    EXPECT_EQ(tray.BalloonCount(), 1);
}

TEST_F(SysTrayTest, BalloonWithoutTimerReturnsAtOnceAndStaysUp) {
    tray.InTray(true);
    for (const std::int32_t timer : {0, -1, -2147483647}) {
        tray.ShowBalloon("text", "title", timer, false);
        EXPECT_EQ(backend.Last(Kind::ShowBalloon)->timeoutMs, 0);
    }
    EXPECT_EQ(turns, 0);
    EXPECT_EQ(backend.Count(Kind::TakeBalloonDown), 0u);
    EXPECT_TRUE(tray.BalloonUp());
}

TEST_F(SysTrayTest, BoundedWaitEndsAfterShowTimerSecondsAndTakesTheBalloonDown) {
    tray.InTray(true);
    const auto start = clock.Monotonic();
    tray.ShowBalloon("text", "Bytelora", 5, true);

    EXPECT_EQ(clock.Monotonic() - start, 5s);
    EXPECT_EQ(turns, 20);
    EXPECT_EQ(backend.kinds(),
              (std::vector<Kind>{Kind::AddIcon, Kind::ShowBalloon, Kind::TakeBalloonDown}));
    EXPECT_EQ(backend.Last(Kind::ShowBalloon)->timeoutMs, 5000);
    EXPECT_FALSE(tray.BalloonUp());
}

TEST_F(SysTrayTest, BalloonEndReportedDuringTheWaitEndsItEarlyWithoutEvents) {
    for (const std::uint32_t code : {0x403u, 0x404u, 0x405u}) {
        SCOPED_TRACE(code);
        FakeTrayBackend shell;
        int events = 0;
        int pumps = 0;
        TrayIcon control(shell, clock, [&] {
            clock.Advance(250ms);
            if (++pumps == 3) shell.Click(code);
        });
        QObject::connect(&control, &TrayIcon::MouseUp, [&] { ++events; });
        QObject::connect(&control, &TrayIcon::MouseDown, [&] { ++events; });
        control.InTray(true);

        control.ShowBalloon("text", "title", 5, true);

        EXPECT_EQ(pumps, 3);
        EXPECT_EQ(events, 0);
        EXPECT_FALSE(control.BalloonUp());
        EXPECT_EQ(shell.Count(Kind::TakeBalloonDown), 0u);
    }
}

TEST_F(SysTrayTest, ClickOnTheIconDuringTheWaitRaisesItsEventAndTheWaitGoesOn) {
    int ups = 0;
    QObject::connect(&tray, &TrayIcon::MouseUp, [&](std::int16_t, std::int32_t) { ++ups; });
    onTurn = [&](int turn) {
        if (turn == 2) backend.LeftClick();
    };
    tray.InTray(true);
    tray.ShowBalloon("text", "title", 1, true);
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(turns, 4);
    EXPECT_EQ(backend.Count(Kind::TakeBalloonDown), 1u);
}

TEST_F(SysTrayTest, BalloonOutOfTrayWaitsTheFullTimeThenTakesItDown) {
    onTurn = [&](int) { backend.ClickBalloon(); };  // no hook: nothing reaches the control
    tray.ShowBalloon("text", "title", 2, true);
    EXPECT_EQ(turns, 8);
    EXPECT_EQ(backend.kinds(), (std::vector<Kind>{Kind::ShowBalloon, Kind::TakeBalloonDown}));
    EXPECT_EQ(tray.BalloonCount(), 1);
}

TEST_F(SysTrayTest, TimerWhoseMillisecondsOverflowFailsBeforeAnythingIsShown) {
    tray.InTray(true);
    EXPECT_THROW(tray.ShowBalloon("text", "title", 2147484, true), std::overflow_error);
    EXPECT_THROW(tray.ShowBalloon("text", "title", 2147483647, false), std::overflow_error);
    EXPECT_EQ(backend.Count(Kind::ShowBalloon), 0u);
    EXPECT_EQ(tray.BalloonCount(), 0);
    EXPECT_FALSE(tray.BalloonUp());

    onTurn = [&](int) { backend.Click(0x404); };
    tray.ShowBalloon("text", "title", 2147483, true);
    EXPECT_EQ(backend.Last(Kind::ShowBalloon)->timeoutMs, 2147483000);

    // Once shown, a further ShowOnce call returns before the check.
    EXPECT_NO_THROW(tray.ShowBalloon("text", "title", 2147484, true));
}

TEST_F(SysTrayTest, ControlEndedDuringTheWaitReturnsWithoutTouchingIt) {
    TrayIcon* control = nullptr;
    control = new TrayIcon(backend, clock, [&] {
        clock.Advance(250ms);
        delete control;
    });
    control->InTray(true);
    control->ShowBalloon("text", "title", 5, false);
    EXPECT_EQ(backend.kinds(),
              (std::vector<Kind>{Kind::AddIcon, Kind::ShowBalloon, Kind::DeleteIcon}));
}

TEST(SysTrayEventLoop, RealWaitEndsAsSoonAsTheBalloonIsClicked) {
    FakeTrayBackend backend;
    TrayIcon tray(backend);
    tray.InTray(true);
    QTimer::singleShot(0, [&] { backend.ClickBalloon(); });

    tray.ShowBalloon("text", "title", 30, true);

    EXPECT_FALSE(tray.BalloonUp());
    EXPECT_EQ(backend.Count(Kind::TakeBalloonDown), 0u) << "the wait ran out instead";
}

TEST(SysTrayEventLoop, IdlePumpReturns) {
    RunPendingEventsBriefly();  // would hang here if an empty queue blocked it
    SUCCEED();
}

}  // namespace
}  // namespace bytelora
