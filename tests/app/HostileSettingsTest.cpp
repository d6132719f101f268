// Start-up over stored settings that someone (or something) has damaged: whatever the
// four values hold, start-up completes with only the boxes the conversion rules call for,
// and the window works afterwards.
#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "MainWindowRig.h"
#include "common/ReportLocations.h"
#include "history/LoggingScheduler.h"
#include "settings/QSettingsStore.h"
#include "support/FileBytes.h"

namespace bytelora::testing {
namespace {

constexpr std::uint64_t KB = 1024;

struct Hostile {
    const char* name;
    std::string value;
};

// What every key is given. The texts that are numbers of a kind say what the interval
// position comes out as (0: none).
std::vector<Hostile> HostileValues() {
    return {
        {"empty", ""},
        {"blanks", "   \t "},
        {"huge", "99999999999999999999"},
        {"huge exponent", "1e308"},
        {"just out of range", "32768"},
        {"negative", "-1"},
        {"very negative", "-32769"},
        {"negative zero", "-0"},
        {"half below one", "0.5"},
        {"half to even, down", "2.5"},
        {"half to even, up", "3.5"},
        {"fraction rounding into range", "11.51"},
        {"half of the last", "12.5"},
        {"fraction rounding out of range", "12.6"},
        {"exponent", "1e1"},
        {"tiny", "1e-400"},
        {"non-numeric", "abc"},
        {"digits then junk", "2abc"},
        {"hexadecimal", "0x2"},
        {"not a number", "nan"},
        {"infinity", "-inf"},
        {"full-width digit", "\xEF\xBC\x92"},          // U+FF12
        {"non-ASCII text", "\xC3\x96n \xE6\x97\xA5"},  // "Ön 日"
        {"Latin-1 byte", "\xE9"},
        {"zero byte inside", std::string("2\0", 2)},
        {"very long text", std::string(100000, 'x')},
        {"very long number", std::string(100000, '0') + "3"},
        {"near word, blank", " On"},
        {"near word, case", "ON"},
        {"near word, lower case", "on"},
        {"the first, padded", " 1 "},
        {"the last", "12"},
        {"just past the last", "13"},
        {"near word, line end", "Off\r\n"},
    };
}

// The interval position each value selects: 0 for none, which leaves the default entry
// selected after the boxes at 170 (no 16-bit number) and 172 (no such item).
struct IntervalOutcome {
    int position;
    int boxesAt170;
    int boxesAt172;
};

IntervalOutcome ExpectedInterval(const std::string& name) {
    struct Entry {
        const char* name;
        IntervalOutcome outcome;
    };
    static const Entry kNumbers[] = {
        {"negative", {0, 0, 1}},          {"negative zero", {0, 0, 1}},
        {"half below one", {0, 0, 1}},    {"half to even, down", {2, 0, 0}},
        {"half to even, up", {4, 0, 0}},  {"fraction rounding into range", {12, 0, 0}},
        {"half of the last", {12, 0, 0}}, {"fraction rounding out of range", {0, 0, 1}},
        {"exponent", {10, 0, 0}},         {"tiny", {0, 0, 1}},
        {"very long number", {3, 0, 0}},  {"the first, padded", {1, 0, 0}},
        {"the last", {12, 0, 0}},         {"just past the last", {0, 0, 1}},
    };
    for (const Entry& entry : kNumbers) {
        if (name == entry.name) return entry.outcome;
    }
    return {0, 1, 1};  // no 16-bit number at all
}

// The window after such a start: the monitor measures, a choice in the list is stored,
// and, where logging can be turned on, a snapshot reaches the list and the log.
void ExpectUsable(MainWindowRig& rig, MainWindow& form) {
    const int boxesBefore = rig.ErrorBoxCount();
    form.ShowAfterLoad();

    form.UpdateInterfaceInfo();
    rig.clock.Advance(std::chrono::seconds(1));
    rig.table.AddOctets(0, 40 * KB, 4 * KB);
    form.UpdateInterfaceInfo();
    form.OnMeterTick();
    EXPECT_EQ(form.downloadRateLabel->text(), "40 Kb/s");
    EXPECT_EQ(form.uploadRateLabel->text(), "4 Kb/s");

    form.intervalList->setCurrentItem(form.intervalList->topLevelItem(0));  // "Log every 1 second"
    form.OnIntervalListClicked();
    EXPECT_EQ(rig.settings.Value("OftenIndex"), "1");
    EXPECT_EQ(form.LogInterval(), 1);

    if (form.loggingButton->text() == kTurnOnCaption) form.OnLoggingButtonClicked();
    if (form.loggingTimer.isActive()) {
        form.OnLoggingTick();
        ASSERT_EQ(form.snapshotList->topLevelItemCount(), 1);
        const std::string row = form.snapshotList->topLevelItem(0)->text(0).toStdString();
        EXPECT_EQ(ReadFileBytes(rig.LogPath()), row + "\r\n");
        EXPECT_NE(row.find(" Download: 40 Kb/s Upload: 4 Kb/s"), std::string::npos) << row;
    } else {
        // Only a stored state that is neither word leaves the switch without a caption
        // of its own; the tick then only says that logging is off.
        EXPECT_EQ(form.loggingButton->text(), kLoggingButtonDesignCaption);
        form.OnLoggingTick();
        EXPECT_EQ(Title(form.countdownFrame), kLogOffText);
        EXPECT_EQ(form.snapshotList->topLevelItemCount(), 0);
    }
    EXPECT_EQ(rig.ErrorBoxCount(), boxesBefore);
}

TEST(HostileSettings, IntervalPositionGivesOnlyTheConversionBoxes) {
    for (const Hostile& hostile : HostileValues()) {
        SCOPED_TRACE(hostile.name);
        MainWindowRig rig;
        rig.settings.Preset("OftenIndex", hostile.value);
        MainWindow& form = rig.Load();

        const IntervalOutcome expected = ExpectedInterval(hostile.name);
        EXPECT_EQ(rig.ErrorBoxes(report::kLoad, 170), expected.boxesAt170);
        EXPECT_EQ(rig.ErrorBoxes(report::kLoad, 172), expected.boxesAt172);
        EXPECT_EQ(rig.ErrorBoxCount(), expected.boxesAt170 + expected.boxesAt172);
        const auto selected = form.intervalList->selectedItems();
        ASSERT_EQ(selected.size(), 1);
        EXPECT_EQ(form.intervalList->indexOfTopLevelItem(selected.front()) + 1,
                  expected.position == 0 ? 2 : expected.position);
        // Start-up went on past the failure to its end, and wrote nothing back.
        EXPECT_FALSE(form.Loading());
        EXPECT_TRUE(form.loggingTimer.isActive());
        EXPECT_EQ(form.HistoryLogPath(), rig.LogPath());
        EXPECT_TRUE(rig.settings.writes().empty());
        ExpectUsable(rig, form);
    }
}

TEST(HostileSettings, LoggingStateOtherThanTheTwoWordsLeavesTheDesign) {
    for (const Hostile& hostile : HostileValues()) {
        SCOPED_TRACE(hostile.name);
        MainWindowRig rig;
        rig.settings.Preset("StartStopState", hostile.value);
        MainWindow& form = rig.Load();
        EXPECT_EQ(rig.ErrorBoxCount(), 0);
        EXPECT_EQ(form.loggingButton->text(), kLoggingButtonDesignCaption);
        EXPECT_EQ(Title(form.countdownFrame), kCountdownPrefix);
        EXPECT_FALSE(form.loggingTimer.isActive());
        EXPECT_EQ(SelectedInterval(form), "Log every 5 seconds");
        EXPECT_FALSE(form.Loading());
        EXPECT_TRUE(rig.settings.writes().empty());
        ExpectUsable(rig, form);
        // A click on the design caption names no action, so nothing is stored for it.
        EXPECT_EQ(rig.settings.Value("StartStopState").value_or("<none>"), hostile.value);
    }
}

TEST(HostileSettings, StartupOptionOtherThanOnIsCleared) {
    for (const Hostile& hostile : HostileValues()) {
        SCOPED_TRACE(hostile.name);
        MainWindowRig rig;
        rig.settings.Preset("Windows Startup", hostile.value);
        rig.settings.Preset("Minimized", "On");
        MainWindow& form = rig.Load();
        EXPECT_EQ(rig.ErrorBoxCount(), 0);
        EXPECT_FALSE(form.startWithSessionBox->isChecked());
        EXPECT_TRUE(form.startHiddenBox->isHidden());
        EXPECT_TRUE(rig.startup.calls().empty());
        EXPECT_FALSE(form.Loading());
        ExpectUsable(rig, form);
        EXPECT_TRUE(form.isVisible());
        EXPECT_FALSE(form.HiddenInTray());
        EXPECT_EQ(rig.tray.Count(FakeTrayBackend::Kind::ShowBalloon), 0u);
    }
}

TEST(HostileSettings, MinimizedOtherThanOnOpensTheWindowNormally) {
    for (const Hostile& hostile : HostileValues()) {
        SCOPED_TRACE(hostile.name);
        MainWindowRig rig;
        rig.settings.Preset("Windows Startup", "On");
        rig.settings.Preset("Minimized", hostile.value);
        MainWindow& form = rig.Load();
        EXPECT_EQ(rig.ErrorBoxCount(), 0);
        EXPECT_TRUE(form.startWithSessionBox->isChecked());
        EXPECT_FALSE(form.startHiddenBox->isChecked());
        EXPECT_FALSE(form.startHiddenBox->isHidden());
        // Nothing was ticked, so nothing was written back or registered.
        EXPECT_TRUE(rig.settings.writes().empty());
        EXPECT_TRUE(rig.startup.calls().empty());
        EXPECT_FALSE(form.windowState() & Qt::WindowMinimized);
        ExpectUsable(rig, form);
        EXPECT_TRUE(form.isVisible());
        EXPECT_FALSE(form.HiddenInTray());
        EXPECT_EQ(rig.tray.Count(FakeTrayBackend::Kind::ShowBalloon), 0u);
    }
}

// The same through the program's own store over a settings file written by hand: what
// the file says reaches start-up as text, a damaged file reads as an empty store and is
// left as it was.
TEST(HostileSettings, AHandWrittenSettingsFileReachesStartUpAsText) {
    struct Case {
        const char* name;
        std::string file;
        int position;  // the selected interval. A value that is no text is absent.
        int boxes;
        bool loggingOn;
    };
    const std::string section = "[Bytelora]\n";
    const std::vector<Case> cases = {
        {"plain", section + "OftenIndex=3\n", 3, 0, true},
        {"quoted", section + "OftenIndex=\"4\"\nStartStopState=\"Off\"\n", 4, 0, false},
        {"a list", section + "OftenIndex=2, 3\n", 2, 2, true},
        {"a byte array", section + "OftenIndex=@ByteArray(5)\n", 5, 0, true},
        {"no value", section + "OftenIndex=@Invalid()\n", 2, 0, true},
        {"a stored variant", section + "OftenIndex=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x10zz)\n", 2,
         0, true},
        {"said twice", section + "OftenIndex=1\nOftenIndex=12\n", 12, 0, true},
        {"very long", section + "OftenIndex=" + std::string(200000, '7') + "\n", 2, 2, true},
        {"logging in lower case", section + "StartStopState=off\n", 2, 0, false},
        {"another section only", "[Other]\nOftenIndex=9\nStartStopState=Off\n", 2, 0, true},
        {"not a settings file",
         std::string("\x7f"
                     "ELF") +
             std::string(3, '\0') + "garbage\x01\x02",
         2, 0, true},
        {"not UTF-8", section + "OftenIndex=\xff\xfe\n", 2, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MainWindowRig rig;
        const auto file = rig.dir / "Bytelora.conf";
        {
            std::ofstream out(file, std::ios::binary);
            out << c.file;
        }
        QSettingsStore store(file);
        const Services base = rig.MakeServices();
        MainWindow form(Services{store, base.interfaceTable, base.clock, base.boxes, base.launcher,
                                 base.startup, base.tray, base.programFile, base.programFolder,
                                 base.environment, base.helpPage, base.processEvents,
                                 base.waitForEvents});
        form.OnLoad();
        EXPECT_EQ(rig.ErrorBoxCount(), c.boxes);
        const auto selected = form.intervalList->selectedItems();
        EXPECT_EQ(
            selected.isEmpty() ? 0 : form.intervalList->indexOfTopLevelItem(selected.front()) + 1,
            c.position);
        EXPECT_EQ(form.loggingTimer.isActive(), c.loggingOn);
        EXPECT_FALSE(form.Loading());
        EXPECT_EQ(ReadFileBytes(file.string()), c.file);  // start-up writes nothing back
    }
}

}  // namespace
}  // namespace bytelora::testing
