#include "MainWindowRig.h"
#include "common/ReportLocations.h"

namespace bytelora::testing {
namespace {

using Kind = FakeStartupRegistration::Call::Kind;

std::vector<std::string> Writes(const MemorySettingsStore& store) {
    std::vector<std::string> writes;
    for (const auto& write : store.writes()) writes.push_back(write.key + "=" + write.value);
    return writes;
}

TEST(StartupOptions, TickingAndClearingRegistersAndStoresInOrder) {
    MainWindowRig rig;
    MainWindow& form = rig.Load();
    form.startWithSessionBox->setChecked(true);
    EXPECT_FALSE(form.startHiddenBox->isHidden());
    form.startHiddenBox->setChecked(true);
    form.startWithSessionBox->setChecked(false);

    EXPECT_FALSE(form.startHiddenBox->isChecked());
    EXPECT_TRUE(form.startHiddenBox->isHidden());
    EXPECT_EQ(Writes(rig.settings),
              (std::vector<std::string>{"Windows Startup=On", "Minimized=On", "Minimized=Off",
                                        "Windows Startup=Off"}));
    const std::vector<FakeStartupRegistration::Call> calls = {
        {Kind::Register, rig.dir / "bytelora"}, {Kind::Unregister, rig.dir / "bytelora"}};
    EXPECT_EQ(rig.startup.calls(), calls);
    EXPECT_TRUE(rig.boxes.shown().empty());
}

TEST(StartupOptions, ARegistrationThatFailsIsToldAndTheBoxFollowsIt) {
    MainWindowRig rig;
    MainWindow& form = rig.Load();
    rig.startup.FailCalls("Autostart folder is not writable.");
    form.startWithSessionBox->setChecked(true);
    EXPECT_FALSE(form.startWithSessionBox->isChecked());
    EXPECT_TRUE(form.startHiddenBox->isHidden());
    EXPECT_TRUE(rig.settings.writes().empty());
    ASSERT_EQ(rig.boxes.shown().size(), 1u);
    EXPECT_NE(rig.boxes.shown()[0].text.find("Autostart folder is not writable."),
              std::string::npos);

    // Registered after all, then removing fails: it stays ticked and stored "On".
    rig.startup.StopFailing();
    form.startWithSessionBox->setChecked(true);
    form.startHiddenBox->setChecked(true);
    rig.startup.FailCalls("Autostart entry cannot be removed.");
    form.startWithSessionBox->setChecked(false);
    EXPECT_TRUE(form.startWithSessionBox->isChecked());
    EXPECT_TRUE(form.startHiddenBox->isChecked());
    EXPECT_EQ(rig.settings.Value("Windows Startup"), "On");
    EXPECT_EQ(rig.settings.Value("Minimized"), "On");
    EXPECT_EQ(rig.boxes.shown().size(), 2u);
}

TEST(StartupOptions, ASettingThatCannotBeStoredIsTold) {
    MainWindowRig rig;
    MainWindow& form = rig.Load();
    rig.settings.FailWrites("Settings file is read-only.");
    form.intervalList->setCurrentItem(form.intervalList->topLevelItem(0));
    form.startWithSessionBox->setChecked(true);
    ASSERT_EQ(rig.boxes.shown().size(), 2u);
    for (const auto& box : rig.boxes.shown()) {
        EXPECT_NE(box.text.find("Settings file is read-only."), std::string::npos);
    }
    EXPECT_NE(rig.boxes.shown()[0].text.find("OftenIndex"), std::string::npos);
    // The guarded logging switch reports it in its error box.
    form.OnLoggingButtonClicked();
    EXPECT_EQ(rig.ErrorBoxes(report::kLoggingButton, 114), 1);
}

}  // namespace
}  // namespace bytelora::testing
