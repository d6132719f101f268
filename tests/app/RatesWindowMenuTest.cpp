// The small meter as the main window wires it: the tray menu's entries, the stored
// choices, the rates from the meter's tick, and the way back to the main window.
#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QMenu>
#include <QMouseEvent>

#include "MainWindowRig.h"
#include "tray/TrayMenu.h"
#include "views/RatesWindow.h"

namespace bytelora::testing {
namespace {

constexpr std::uint64_t KB = 1024;

void RunQueued() {
    QApplication::processEvents();
}

QAction* Entry(MainWindow& form, const char* name) {
    return form.TrayIconMenu()->Menu().findChild<QAction*>(QString::fromLatin1(name));
}

void DoubleClick(QWidget& widget) {
    const QPointF at(4, 4);
    const QPointF global = widget.mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QMouseEvent twice(QEvent::MouseButtonDblClick, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QApplication::sendEvent(&widget, &release);
    QApplication::sendEvent(&widget, &twice);
    QApplication::sendEvent(&widget, &release);
}

TEST(RatesWindowMenu, TheEntryShowsAndHidesTheMeterAndStoresTheChoice) {
    MainWindowRig rig;
    MainWindow& form = rig.Load();
    form.ShowAfterLoad();
    QAction* entry = Entry(form, "ratesWindowEntry");
    QAction* chart = Entry(form, "ratesWindowChartEntry");
    ASSERT_NE(entry, nullptr);
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(entry->isCheckable());
    EXPECT_FALSE(entry->isChecked());
    EXPECT_FALSE(chart->isVisible());       // offered only while the meter is on
    EXPECT_EQ(form.RatesMeter(), nullptr);  // made when first wanted

    entry->trigger();
    RunQueued();
    ASSERT_NE(form.RatesMeter(), nullptr);
    EXPECT_TRUE(form.RatesMeter()->isVisible());
    EXPECT_EQ(rig.settings.Value("Rates Window"), "On");
    EXPECT_TRUE(chart->isVisible());
    EXPECT_TRUE(form.isVisible());  // the main window is left as it was

    chart->trigger();
    RunQueued();
    EXPECT_TRUE(form.RatesMeter()->ShowsChart());
    EXPECT_EQ(rig.settings.Value("Rates Window Chart"), "On");

    entry->trigger();
    RunQueued();
    EXPECT_FALSE(form.RatesMeter()->isVisible());
    EXPECT_EQ(rig.settings.Value("Rates Window"), "Off");
    EXPECT_FALSE(chart->isVisible());
    EXPECT_EQ(rig.ErrorBoxCount(), 0);
}

TEST(RatesWindowMenu, AStoredMeterComesBackWithItsPlaceChartAndUnitsAndAnUnwritableStoreIsTold) {
    MainWindowRig rig;
    rig.settings.Preset("Rates Window", "On");
    rig.settings.Preset("Rates Window Left", "40");
    rig.settings.Preset("Rates Window Top", "30");
    rig.settings.Preset("Rates Window Chart", "On");
    rig.settings.Preset("Rate Units", "Bits");
    MainWindow& form = rig.Load();
    form.ShowAfterLoad();
    RatesWindow* meter = form.RatesMeter();
    ASSERT_NE(meter, nullptr);
    EXPECT_TRUE(meter->isVisible());
    EXPECT_EQ(meter->pos(), QPoint(40, 30));
    EXPECT_TRUE(meter->ShowsChart());
    EXPECT_EQ(meter->Units(), RateUnits::Bits);
    EXPECT_TRUE(Entry(form, "ratesWindowEntry")->isChecked());
    EXPECT_TRUE(Entry(form, "ratesWindowChartEntry")->isChecked());
    // Showing what was stored writes nothing.
    EXPECT_EQ(rig.settings.writes().size(), 0u);

    rig.settings.FailWrites();
    Entry(form, "ratesWindowEntry")->trigger();
    RunQueued();
    EXPECT_FALSE(meter->isVisible());
    EXPECT_EQ(rig.boxes.shown().size(), 1u);
}

TEST(RatesWindowMenu, ADamagedStoredPlacePutsTheMeterOnTheScreenWithoutABox) {
    for (const auto& [left, top] : {std::pair<std::string, std::string>{"abc", "30"},
                                    {"40", ""},
                                    {"99999999999", "5"},
                                    {"-30000", "-30000"}}) {
        MainWindowRig rig;
        rig.settings.Preset("Rates Window", "On");
        rig.settings.Preset("Rates Window Left", left);
        rig.settings.Preset("Rates Window Top", top);
        MainWindow& form = rig.Load();
        form.ShowAfterLoad();
        ASSERT_NE(form.RatesMeter(), nullptr);
        const QRect area = form.RatesMeter()->screen()->availableGeometry();
        EXPECT_TRUE(area.contains(form.RatesMeter()->geometry())) << left << "," << top;
        EXPECT_EQ(rig.boxes.shown().size(), 0u);
    }
}

TEST(RatesWindowMenu, TheMeterFollowsTheTicksAndTheUnitsChosenElsewhere) {
    MainWindowRig rig;
    rig.settings.Preset("Rates Window", "On");
    MainWindow& form = rig.Load();
    form.ShowAfterLoad();
    RatesWindow& meter = *form.RatesMeter();
    form.UpdateInterfaceInfo();
    rig.clock.Advance(std::chrono::seconds(1));
    rig.table.AddOctets(0, 120 * KB, 3 * KB);
    form.UpdateInterfaceInfo();
    form.OnMeterTick();
    EXPECT_EQ(meter.DownloadText(), "120 KB/s");
    EXPECT_EQ(meter.UploadText(), "3.0 KB/s");

    form.SetGlanceUnits(RateUnits::Bits);
    EXPECT_EQ(meter.DownloadText(), "983 kbit/s");
    EXPECT_EQ(meter.UploadText(), "25 kbit/s");

    // Shown again after a quiet spell, it shows the latest tick, not the last it drew.
    form.SetRatesWindowOn(false);
    rig.clock.Advance(std::chrono::seconds(1));
    form.UpdateInterfaceInfo();
    form.OnMeterTick();
    form.SetRatesWindowOn(true);
    EXPECT_EQ(meter.DownloadText(), "0 bit/s");
}

TEST(RatesWindowMenu, ADoubleClickShowsTheMainWindowAndARightClickOpensTheTrayMenu) {
    MainWindowRig rig;
    rig.settings.Preset("Rates Window", "On");
    MainWindow& form = rig.Load();
    form.ShowAfterLoad();
    RatesWindow& meter = *form.RatesMeter();
    Minimise(form);
    ASSERT_TRUE(form.HiddenInTray());

    DoubleClick(meter);
    RunQueued();
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.HiddenInTray());

    const QPoint at = meter.mapToGlobal(QPoint(4, 4));
    QContextMenuEvent context(QContextMenuEvent::Mouse, QPoint(4, 4), at);
    QApplication::sendEvent(&meter, &context);
    QMenu& menu = form.TrayIconMenu()->Menu();
    EXPECT_TRUE(menu.isVisible());
    menu.close();
}

TEST(RatesWindowMenu, ADraggedMeterStoresItsPlace) {
    MainWindowRig rig;
    rig.settings.Preset("Rates Window", "On");
    rig.settings.Preset("Rates Window Left", "40");
    rig.settings.Preset("Rates Window Top", "30");
    MainWindow& form = rig.Load();
    form.ShowAfterLoad();
    RatesWindow& meter = *form.RatesMeter();
    const QPointF grip(4, 4);
    QMouseEvent press(QEvent::MouseButtonPress, grip, meter.mapToGlobal(grip), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&meter, &press);
    QMouseEvent drag(QEvent::MouseMove, grip + QPointF(30, 20),
                     meter.mapToGlobal(grip + QPointF(30, 20)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&meter, &drag);
    QMouseEvent release(QEvent::MouseButtonRelease, grip, meter.mapToGlobal(grip), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&meter, &release);
    ASSERT_EQ(meter.pos(), QPoint(70, 50));
    QElapsedTimer clock;
    clock.start();
    while (!rig.settings.Value("Rates Window Top") ||
           *rig.settings.Value("Rates Window Top") != "50") {
        if (clock.elapsed() > RatesWindow::kPlaceSettleMs * 5) break;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_EQ(rig.settings.Value("Rates Window Left"), "70");
    EXPECT_EQ(rig.settings.Value("Rates Window Top"), "50");
}

TEST(RatesWindowMenu, WithoutATrayAHiddenStartHidesBehindTheMeterUntilItIsTurnedOff) {
    MainWindowRig rig;
    rig.tray.SetAvailable(false);
    rig.settings.Preset("Windows Startup", "On");
    rig.settings.Preset("Minimized", "On");
    rig.settings.Preset("Rates Window", "On");
    MainWindow& form = rig.Load();
    form.ShowAfterLoad();
    ASSERT_TRUE(form.RatesMeter()->isVisible());
    EXPECT_FALSE(form.isVisible());  // not even minimised where the desktop lists it
    EXPECT_FALSE(form.windowState() & Qt::WindowMinimized);

    DoubleClick(*form.RatesMeter());
    RunQueued();
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.windowState() & Qt::WindowMinimized);

    // Hidden behind it again: turning the meter off brings the window back, as nothing else
    // would.
    MainWindowRig again;
    again.tray.SetAvailable(false);
    again.settings.Preset("Windows Startup", "On");
    again.settings.Preset("Minimized", "On");
    again.settings.Preset("Rates Window", "On");
    MainWindow& hidden = again.Load();
    hidden.ShowAfterLoad();
    ASSERT_FALSE(hidden.isVisible());
    hidden.SetRatesWindowOn(false);
    EXPECT_TRUE(hidden.isVisible());
}

}  // namespace
}  // namespace bytelora::testing
