// Which interfaces count: the automatic rules in order, the user's choice, and how
// rarely the system is asked.
#include "netstats/InterfaceSelection.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace bytelora {
namespace {

// Facts by interface name, as a test sets them; counts the questions.
class FakeProbe final : public InterfaceProbe {
  public:
    std::map<std::string, InterfaceFacts> facts;
    int asked = 0;

    void Probe(const InterfaceTable& table, std::vector<InterfaceFacts>& out) override {
        ++asked;
        out.clear();
        for (const auto& row : table) out.push_back(facts[row->InterfaceName()]);
    }
};

struct Row {
    std::string name;
    std::uint32_t index;
    std::uint32_t type = kIfTypeEthernet;
};

InterfaceTable Table(const std::vector<Row>& rows) {
    InterfaceTable table;
    for (const Row& row : rows) {
        auto record = std::make_shared<InterfaceRow>();
        record->InterfaceName(row.name);
        record->InterfaceIndex(row.index);
        record->InterfaceType(row.type);
        record->OperationalStatus(kIfStatusUp);
        table.Add(record);
    }
    return table;
}

std::vector<std::string> Reasons(const InterfaceSelection& selection) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < selection.Rows(); ++i) {
        texts.push_back(CountReasonText(selection.Reason(i)));
    }
    return texts;
}

// A host with a container bridge, a veth port, a VPN tunnel and an IFB mirror.
const std::vector<Row> kHost = {{"lo", 1, kIfTypeLoopback},
                                {"eth0", 2},
                                {"wlan0", 3},
                                {"docker0", 4},
                                {"veth1a", 5},
                                {"wg0", 6, 131},
                                {"ifb0", 7}};

TEST(InterfaceSelectionTest, AutomaticRulesApplyInOrderAndLoopbackNeverCounts) {
    struct Case {
        const char* what;
        std::map<std::string, InterfaceFacts> facts;
        AutomaticRule rule;
        std::vector<std::string> reasons;
    };
    const std::vector<Case> cases = {
        {"hardware wins over routes",
         {{"eth0", {true, true, false}},
          {"wlan0", {true, false, false}},
          {"wg0", {false, true, false}}},
         AutomaticRule::Hardware,
         {"loopback", "hardware", "hardware", "virtual", "virtual", "virtual", "virtual"}},
        {"no hardware: the default-route carriers (a container's uplink)",
         {{"veth1a", {false, true, false}}, {"wg0", {false, true, false}}},
         AutomaticRule::DefaultRoute,
         {"loopback", "no default route", "no default route", "no default route", "default route",
          "default route", "no default route"}},
        {"nothing known: every interface but loopback",
         {},
         AutomaticRule::EveryInterface,
         {"loopback", "every interface", "every interface", "every interface", "every interface",
          "every interface", "every interface"}},
        {"a filter row never counts, even with hardware behind it",
         {{"eth0", {true, false, false}}, {"wlan0", {false, false, true}}},
         AutomaticRule::Hardware,
         {"loopback", "hardware", "filter", "virtual", "virtual", "virtual", "virtual"}},
        {"loopback with a default route still does not count",
         {{"lo", {true, true, false}}},
         AutomaticRule::EveryInterface,
         {"loopback", "every interface", "every interface", "every interface", "every interface",
          "every interface", "every interface"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeProbe probe;
        probe.facts = c.facts;
        InterfaceSelection selection(&probe);
        selection.Update(Table(kHost));
        EXPECT_EQ(selection.Rule(), c.rule);
        EXPECT_EQ(Reasons(selection), c.reasons);
    }
}

TEST(InterfaceSelectionTest, ProbesOnlyWhenTheInterfacesChange) {
    FakeProbe probe;
    probe.facts["eth0"] = {true, false, false};
    InterfaceSelection selection(&probe);
    const InterfaceTable table = Table(kHost);
    for (int read = 0; read < 100; ++read) selection.Update(table);
    EXPECT_EQ(probe.asked, 1);

    // A new interface, one that goes, a renamed index, a link going down: each asks once.
    selection.Update(Table({{"lo", 1, kIfTypeLoopback}, {"eth0", 2}, {"usb0", 9}}));
    selection.Update(Table({{"lo", 1, kIfTypeLoopback}, {"eth0", 2}}));
    selection.Update(Table({{"lo", 1, kIfTypeLoopback}, {"eth1", 2}}));
    InterfaceTable down = Table({{"lo", 1, kIfTypeLoopback}, {"eth1", 2}});
    (*std::next(down.begin()))->OperationalStatus(kIfStatusDown);
    selection.Update(down);
    selection.Update(down);
    EXPECT_EQ(probe.asked, 5);

    // A probe that answers for the wrong number of rows is taken as knowing nothing.
    class ShortProbe final : public InterfaceProbe {
        void Probe(const InterfaceTable&, std::vector<InterfaceFacts>& out) override {
            out.assign(1, InterfaceFacts{true, true, false});
        }
    } shortProbe;
    InterfaceSelection fallback(&shortProbe);
    fallback.Update(table);
    EXPECT_EQ(fallback.Rule(), AutomaticRule::EveryInterface);
}

TEST(InterfaceSelectionTest, TheUsersChoiceMatchesNamesExactlyAndKeepsMissingOnes) {
    FakeProbe probe;
    probe.facts["eth0"] = {true, false, false};
    InterfaceSelection selection(&probe);
    selection.Choose({"wlan0", "ETH0", "lo", "usb0"});
    selection.Update(Table(kHost));
    EXPECT_EQ(Reasons(selection),
              (std::vector<std::string>{"loopback", "not chosen", "chosen", "not chosen",
                                        "not chosen", "not chosen", "not chosen"}));
    // The user's choice needs nothing from the system.
    EXPECT_EQ(probe.asked, 0);

    // A chosen interface that is not there counts nothing, and counts again on its return.
    selection.Choose({"usb0"});
    selection.Update(Table({{"lo", 1, kIfTypeLoopback}, {"eth0", 2}}));
    EXPECT_FALSE(selection.Counts(0));
    EXPECT_FALSE(selection.Counts(1));
    selection.Update(Table({{"lo", 1, kIfTypeLoopback}, {"eth0", 2}, {"usb0", 12}}));
    EXPECT_TRUE(selection.Counts(2));
    EXPECT_EQ(selection.Chosen(), std::vector<std::string>{"usb0"});

    // Back to the automatic choice: the same table is decided again, with the probe.
    selection.Choose({});
    selection.Update(Table({{"lo", 1, kIfTypeLoopback}, {"eth0", 2}, {"usb0", 12}}));
    EXPECT_EQ(Reasons(selection), (std::vector<std::string>{"loopback", "hardware", "virtual"}));
    EXPECT_EQ(probe.asked, 1);
}

}  // namespace
}  // namespace bytelora
