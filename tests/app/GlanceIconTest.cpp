// The tray icon's picture on a real window: the stored choice, the menu's picks, and a
// picture sent to the tray only when it changed.
#include <QApplication>
#include <QMenu>

#include "MainWindowRig.h"
#include "monitor/GlanceText.h"
#include "tray/GlanceIconRenderer.h"
#include "tray/TrayMenu.h"

namespace bytelora::testing {
namespace {

constexpr std::uint64_t KB = 1024;

QImage At16(const QIcon& icon) {
    return icon.pixmap(QSize(16, 16), 1.0)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage RatesAt16(const std::string& download, const std::string& upload) {
    GlancePicture picture;
    picture.download = QString::fromStdString(download);
    picture.upload = QString::fromStdString(upload);
    return RenderGlanceIcon(picture, 16);
}

std::vector<QIcon> SentIcons(const FakeTrayBackend& tray) {
    std::vector<QIcon> icons;
    for (const auto& call : tray.calls()) {
        if (call.kind == FakeTrayBackend::Kind::ChangeIcon) icons.push_back(call.icon);
    }
    return icons;
}

QAction* Entry(MainWindow& form, const QString& submenu, const QString& text) {
    for (QAction* action : form.TrayIconMenu()->Menu().actions()) {
        if (!action->menu() || action->text() != submenu) continue;
        for (QAction* entry : action->menu()->actions()) {
            if (entry->text() == text) return entry;
        }
    }
    return nullptr;
}

struct GlanceRig : MainWindowRig {
    MainWindow& form = Load();
    GlanceRig() { form.UpdateInterfaceInfo(); }
    void Second(std::uint64_t down, std::uint64_t up) {
        clock.Advance(std::chrono::seconds(1));
        table.AddOctets(0, down, up);
        form.MeterWakeUp();
    }
};

TEST(GlanceIcon, TheStoredRatesInBitsGoIntoTheTrayAndOnlyNewFiguresAreSent) {
    MainWindowRig rig;
    rig.settings.Preset("Tray Icon", "Rates");
    rig.settings.Preset("Rate Units", "Bits");
    MainWindow& form = rig.Load();
    ASSERT_EQ(rig.tray.Count(FakeTrayBackend::Kind::AddIcon), 1u);
    EXPECT_EQ(At16(rig.tray.calls().front().icon), RatesAt16("0", "0"));
    ASSERT_NE(Entry(form, "Icon Shows", "Rates"), nullptr);
    EXPECT_TRUE(Entry(form, "Icon Shows", "Rates")->isChecked());
    EXPECT_TRUE(Entry(form, "Units", "Bits per second")->isChecked());

    form.UpdateInterfaceInfo();
    rig.tray.ClearCalls();
    const auto second = [&](std::uint64_t down, std::uint64_t up) {
        rig.clock.Advance(std::chrono::seconds(1));
        rig.table.AddOctets(0, down, up);
        form.UpdateInterfaceInfo();
        form.MeterWakeUp();
    };
    for (int i = 0; i < 5; ++i) second(120 * KB, 3 * KB);
    second(0, 0);
    second(0, 0);
    const std::vector<QIcon> sent = SentIcons(rig.tray);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(At16(sent[0]),
              RatesAt16(ShortRate(120 * KB, RateUnits::Bits), ShortRate(3 * KB, RateUnits::Bits)));
    EXPECT_EQ(At16(sent[1]), RatesAt16("0", "0"));
}

TEST(GlanceIcon, TheMenuSwitchesThePictureAtOnceAndStoresTheChoices) {
    GlanceRig rig;
    MainWindow& form = rig.form;
    EXPECT_TRUE(Entry(form, "Icon Shows", "Logo")->isChecked());
    EXPECT_TRUE(Entry(form, "Units", "Bytes per second")->isChecked());
    // The logo stays put whatever flows.
    rig.Second(50 * KB, 0);
    rig.Second(70 * KB, 0);
    EXPECT_EQ(rig.tray.Count(FakeTrayBackend::Kind::ChangeIcon), 0u);

    Entry(form, "Icon Shows", "Graph")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(rig.settings.Value("Tray Icon"), "Graph");
    ASSERT_EQ(rig.tray.Count(FakeTrayBackend::Kind::ChangeIcon), 1u);
    // The seconds before the pick are on the graph already: download from the top.
    EXPECT_EQ(At16(SentIcons(rig.tray).back()).pixel(15, 0), 0xFFFF0000);

    Entry(form, "Units", "Bits per second")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(rig.settings.Value("Rate Units"), "Bits");
    Entry(form, "Icon Shows", "Rates")->trigger();
    QApplication::processEvents();
    rig.Second(125 * KB, 0);
    EXPECT_EQ(At16(SentIcons(rig.tray).back()),
              RatesAt16(ShortRate(125 * KB, RateUnits::Bits), "0"));

    Entry(form, "Icon Shows", "Logo")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(rig.settings.Value("Tray Icon"), "Logo");
    EXPECT_EQ(At16(SentIcons(rig.tray).back()), At16(form.Tray()->Icon()));
    EXPECT_EQ(rig.ErrorBoxCount(), 0);
}

}  // namespace
}  // namespace bytelora::testing
