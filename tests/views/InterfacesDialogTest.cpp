// The "Interfaces" dialog on the offscreen platform.
#include "views/InterfacesDialog.h"

#include <gtest/gtest.h>

#include <QPushButton>

#include <map>
#include <string>
#include <vector>

#include "netstats/InterfaceText.h"

namespace bytelora {
namespace {

class NamedProbe final : public InterfaceProbe {
  public:
    std::map<std::string, InterfaceFacts> facts;
    void Probe(const InterfaceTable& table, std::vector<InterfaceFacts>& out) override {
        out.clear();
        for (const auto& row : table) out.push_back(facts[row->InterfaceName()]);
    }
};

InterfaceTable Host() {
    InterfaceTable table;
    const struct {
        const char* name;
        std::uint32_t type;
        std::uint64_t received;
    } rows[] = {{"lo", kIfTypeLoopback, 10},
                {"eth0", kIfTypeEthernet, 1234567},
                {"docker0", kIfTypeEthernet, 99},
                {"wg0", kIfTypeTunnel, 5}};
    std::uint32_t index = 1;
    for (const auto& row : rows) {
        auto record = std::make_shared<InterfaceRow>();
        record->InterfaceName(row.name);
        record->InterfaceIndex(index++);
        record->InterfaceType(row.type);
        record->OperationalStatus(kIfStatusUp);
        record->OctetsReceived(row.received);
        table.Add(record);
    }
    return table;
}

std::vector<std::string> Column(const InterfacesDialog& dialog, int column) {
    std::vector<std::string> texts;
    for (int i = 0; i < dialog.List->topLevelItemCount(); ++i) {
        texts.push_back(dialog.List->topLevelItem(i)->text(column).toStdString());
    }
    return texts;
}

TEST(InterfacesDialog, ListsEveryInterfaceWithWhyItCountsAndOffersTheAutomaticChoice) {
    NamedProbe probe;
    probe.facts["eth0"].hardware = true;
    InterfaceSelection selection(&probe);
    const InterfaceTable table = Host();
    selection.Update(table);
    InterfacesDialog dialog;
    dialog.ShowInterfaces(table, selection);

    EXPECT_EQ(dialog.windowTitle().toStdString(), "Interfaces");
    EXPECT_EQ(Column(dialog, InterfacesDialog::kName),
              (std::vector<std::string>{"lo", "eth0", "docker0", "wg0"}));
    EXPECT_EQ(Column(dialog, InterfacesDialog::kType),
              (std::vector<std::string>{"loopback", "ethernet", "ethernet", "tunnel"}));
    EXPECT_EQ(Column(dialog, InterfacesDialog::kStatus)[1], OperationalStatusText(kIfStatusUp));
    EXPECT_EQ(Column(dialog, InterfacesDialog::kCounted),
              (std::vector<std::string>{"No (loopback)", "Yes (hardware)", "No (virtual)",
                                        "No (virtual)"}));
    EXPECT_NE(Column(dialog, InterfacesDialog::kReceived)[1].find("234"), std::string::npos);
    EXPECT_TRUE(dialog.Automatic->isChecked());
    EXPECT_FALSE(dialog.List->topLevelItem(1)->flags() & Qt::ItemIsEnabled);
    EXPECT_TRUE(dialog.Choice().empty());

    // Leaving the automatic choice starts from what it counted; loopback cannot be ticked.
    dialog.Automatic->setChecked(false);
    EXPECT_EQ(dialog.Choice(), std::vector<std::string>{"eth0"});
    EXPECT_FALSE(dialog.List->topLevelItem(0)->flags() & Qt::ItemIsUserCheckable);
    dialog.List->topLevelItem(3)->setCheckState(InterfacesDialog::kName, Qt::Checked);
    dialog.List->topLevelItem(1)->setCheckState(InterfacesDialog::kName, Qt::Unchecked);
    std::vector<std::string> accepted;
    bool acceptedAny = false;
    QObject::connect(&dialog, &InterfacesDialog::ChoiceAccepted,
                     [&](const std::vector<std::string>& names) {
                         accepted = names;
                         acceptedAny = true;
                     });
    // Nothing ticked would read as the automatic choice: OK waits for a tick.
    dialog.List->topLevelItem(3)->setCheckState(InterfacesDialog::kName, Qt::Unchecked);
    EXPECT_FALSE(dialog.Buttons->button(QDialogButtonBox::Ok)->isEnabled());
    dialog.List->topLevelItem(3)->setCheckState(InterfacesDialog::kName, Qt::Checked);
    dialog.Buttons->button(QDialogButtonBox::Ok)->click();
    EXPECT_TRUE(acceptedAny);
    EXPECT_EQ(accepted, std::vector<std::string>{"wg0"});

    // Back to automatic: the ticks show its choice again.
    dialog.Automatic->setChecked(true);
    EXPECT_EQ(dialog.List->topLevelItem(1)->checkState(InterfacesDialog::kName), Qt::Checked);
    EXPECT_EQ(dialog.List->topLevelItem(3)->checkState(InterfacesDialog::kName), Qt::Unchecked);
}

TEST(InterfacesDialog, ShowsTheAliasAndDescriptionAndStoresTheStableKey) {
    InterfaceTable table;
    auto record = std::make_shared<InterfaceRow>();
    record->InterfaceName("\\DEVICE\\TCPIP_{7}");
    record->Alias("Ethernet");
    record->InterfaceDescription("Intel(R) PRO/1000 MT");
    record->InterfaceIndex(7);
    record->InterfaceType(kIfTypeEthernet);
    table.Add(record);
    InterfaceSelection selection(nullptr);
    selection.Choose({"Ethernet"});  // as `--interface Ethernet` gives it
    selection.Update(table);
    InterfacesDialog dialog;
    dialog.ShowInterfaces(table, selection);
    EXPECT_EQ(Column(dialog, InterfacesDialog::kName),
              std::vector<std::string>{"Ethernet (Intel(R) PRO/1000 MT)"});
    EXPECT_EQ(dialog.List->topLevelItem(0)->toolTip(InterfacesDialog::kName).toStdString(),
              "\\DEVICE\\TCPIP_{7}");
    EXPECT_EQ(dialog.List->topLevelItem(0)->checkState(InterfacesDialog::kName), Qt::Checked);
    // A renamed alias keeps the choice: it is stored by the key.
    EXPECT_EQ(dialog.Choice(), std::vector<std::string>{"\\DEVICE\\TCPIP_{7}"});

    // Unplugged, it is named by the alias the history last saw, and still stored by its key.
    InterfaceSelection away(nullptr);
    away.Choose({"\\DEVICE\\TCPIP_{7}", "\\DEVICE\\TCPIP_{9}"});
    away.Update(InterfaceTable{});
    dialog.ShowInterfaces(InterfaceTable{}, away, nullptr, {{"\\DEVICE\\TCPIP_{7}", "Ethernet"}});
    EXPECT_EQ(Column(dialog, InterfacesDialog::kName),
              (std::vector<std::string>{"Ethernet", "\\DEVICE\\TCPIP_{9}"}));
    EXPECT_EQ(dialog.List->topLevelItem(0)->toolTip(InterfacesDialog::kName).toStdString(),
              "\\DEVICE\\TCPIP_{7}");
    EXPECT_EQ(dialog.Choice(),
              (std::vector<std::string>{"\\DEVICE\\TCPIP_{7}", "\\DEVICE\\TCPIP_{9}"}));
}

TEST(InterfacesDialog, AChosenInterfaceThatIsAwayIsListedAndKept) {
    NamedProbe probe;
    probe.facts["docker0"].hardware = true;
    InterfaceSelection selection(&probe);
    selection.Choose({"eth0", "usb0"});
    const InterfaceTable table = Host();
    selection.Update(table);
    InterfaceSelection automatic(&probe);
    automatic.Update(table);
    InterfacesDialog dialog;
    dialog.ShowInterfaces(table, selection, &automatic);

    EXPECT_FALSE(dialog.Automatic->isChecked());
    EXPECT_EQ(Column(dialog, InterfacesDialog::kName).back(), "usb0");
    EXPECT_EQ(Column(dialog, InterfacesDialog::kStatus).back(), "not present");
    EXPECT_EQ(Column(dialog, InterfacesDialog::kCounted)[2], "No (not chosen)");
    EXPECT_EQ(dialog.Choice(), (std::vector<std::string>{"eth0", "usb0"}));
    // Going over to the automatic choice shows what it would count.
    dialog.Automatic->setChecked(true);
    EXPECT_EQ(dialog.List->topLevelItem(1)->checkState(InterfacesDialog::kName), Qt::Unchecked);
    EXPECT_EQ(dialog.List->topLevelItem(2)->checkState(InterfacesDialog::kName), Qt::Checked);
    EXPECT_TRUE(dialog.Choice().empty());
    dialog.Automatic->setChecked(false);
    // Cancel takes nothing.
    bool accepted = false;
    QObject::connect(&dialog, &InterfacesDialog::ChoiceAccepted, [&] { accepted = true; });
    dialog.Buttons->button(QDialogButtonBox::Cancel)->click();
    EXPECT_FALSE(accepted);
}

}  // namespace
}  // namespace bytelora
