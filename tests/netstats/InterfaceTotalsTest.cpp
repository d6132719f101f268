#include "netstats/InterfaceTotals.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "IfTableImage.h"
#include "netstats/IfTableReader.h"
#include "support/FakeInterfaceTable.h"

namespace bytelora {
namespace {

using namespace std::string_literals;
using testing::FakeInterfaceTable;

struct Recorder {
    std::vector<std::string> messages;
    InterfaceTotals::NotSupportedHandler Handler() {
        return [this](const std::string& message) { messages.push_back(message); };
    }
};

TEST(InterfaceTotals, TotalsAreUnsigned64BitSumsOfTheLastRead) {
    FakeInterfaceTable table;
    table.AddRow("eth0", 1, kIfTypeEthernet, 4'000'000'000u, 7);
    table.AddRow("wlan0", 2, kIfTypeWireless, 500'000'000u, 8);
    InterfaceTotals helper(table);
    EXPECT_EQ(helper.BytesReceived(), 0u);

    auto first = helper.Interfaces();
    EXPECT_EQ(first->Count(), 2);
    EXPECT_EQ(helper.BytesReceived(), 4'500'000'000u);
    EXPECT_EQ(helper.BytesSent(), 15u);

    table.AddOctets(0, 1000, 1000);
    EXPECT_EQ(helper.BytesReceived(), 4'500'000'000u);  // no read in between
    EXPECT_EQ(helper.BytesReceived(), 4'500'000'000u);
    EXPECT_EQ(table.Reads(), 1);

    auto second = helper.Interfaces();
    EXPECT_NE(first, second);
    EXPECT_EQ(first->Item(1)->OctetsReceived(), 4'000'000'000u);  // old collections stay as read
    EXPECT_EQ(helper.BytesReceived(), 4'500'001'000u);
}

TEST(InterfaceTotals, LoopbackStaysInTheTableButNotInTheTotals) {
    FakeInterfaceTable table;
    table.AddRow("lo", 1, kIfTypeLoopback, 9000, 9000);
    table.AddRow("eth0", 2, kIfTypeEthernet, 100, 50);
    InterfaceTotals helper(table);
    EXPECT_EQ(helper.Interfaces()->Count(), 2);
    EXPECT_EQ(helper.BytesReceived(), 100u);
    EXPECT_EQ(helper.BytesSent(), 50u);
}

TEST(InterfaceTotals, FilterLayerRowsMirrorTheirAdapterAndAreLeftOut) {
    const std::string adapter = "Intel(R) Ethernet Connection I219-V";
    struct Case {
        const char* what;
        std::string address;
        std::string descr;
        bool counts;
    } cases[] = {
        {"packet scheduler", "0-1B-21-3A-4B-5C", adapter + "-QoS Packet Scheduler-0000\0"s, false},
        {"firewall filter", "0-1B-21-3A-4B-5C",
         adapter + "-WFP Native MAC Layer LightWeight Filter-0000"s, false},
        {"other hardware address", "0-1B-21-3A-4B-5D", adapter + "-QoS Packet Scheduler-0000\0"s,
         true},
        {"no hardware address", "", adapter + "-QoS Packet Scheduler-0000"s, true},
        {"a second adapter of the same model", "0-1B-21-3A-4B-5C", adapter + " #2\0"s, true},
        {"nothing after the dash", "0-1B-21-3A-4B-5C", adapter + "-\0"s, true},
    };
    for (const Case& c : cases) {
        FakeInterfaceTable table;
        table.AddRow("adapter", 1, kIfTypeEthernet, 1000, 100);
        table.Row(0).AdapterAddress("0-1B-21-3A-4B-5C");
        table.Row(0).InterfaceDescription(adapter + "\0"s);
        InterfaceRow& other = table.AddRow("other", 2, kIfTypeEthernet, 1000, 100);
        other.AdapterAddress(c.address);
        other.InterfaceDescription(c.descr);
        InterfaceTotals helper(table);
        auto rows = helper.Interfaces();
        EXPECT_TRUE(CountsTowardTotals(*rows, *rows->Item(1))) << c.what;
        EXPECT_EQ(CountsTowardTotals(*rows, *rows->Item(2)), c.counts) << c.what;
        EXPECT_EQ(helper.BytesReceived(), c.counts ? 2000u : 1000u) << c.what;
    }
}

// The same rules over a table image as Windows gives it, counted terminating zeros and all.
class IfTableSource final : public InterfaceTableSource {
  public:
    explicit IfTableSource(testing::FakeGetIfTable& call) : call_(call) {}
    TableReadResult Read(InterfaceTable& into) override {
        return ReadIfTable(std::ref(call_), into);
    }
    unsigned CounterBits() const override { return 32; }

  private:
    testing::FakeGetIfTable& call_;
};

TEST(InterfaceTotals, TotalsOverAWindowsTableCountEachAdapterOnce) {
    const std::vector<std::uint8_t> mac = {0x00, 0x15, 0x5D, 0x01, 0x02, 0x03};
    const auto row = [](const char16_t* name, std::uint32_t index, std::uint32_t type,
                        std::vector<std::uint8_t> address, const std::string& descr,
                        std::uint32_t in, std::uint32_t out) {
        return testing::IfRowFields{name, index, type, std::move(address), {}, descr + '\0',
                                    {},   in,    out};
    };
    testing::FakeGetIfTable call{testing::MakeIfTableImage({
        row(u"loopback", 1, kIfTypeLoopback, {}, "Software Loopback Interface 1", 5000, 5000),
        row(u"ethernet_32768", 2, kIfTypeEthernet, mac, "Realtek PCIe GbE", 300, 30),
        row(u"ethernet_32769", 3, kIfTypeEthernet, mac,
            "Realtek PCIe GbE-WFP Native MAC Layer LightWeight Filter-0000", 300, 30),
        row(u"ethernet_32770", 4, kIfTypeEthernet, mac,
            "Realtek PCIe GbE-QoS Packet Scheduler-0000", 300, 30),
        row(u"wireless_32768", 5, kIfTypeWireless, {0x00, 0x21, 0x6A, 1, 2, 3},
            "Intel Wi-Fi 6 AX201", 40, 4),
    })};
    IfTableSource source(call);
    InterfaceTotals helper(source);
    EXPECT_EQ(helper.Interfaces()->Count(), 5);
    EXPECT_EQ(helper.BytesReceived(), 340u);
    EXPECT_EQ(helper.BytesSent(), 34u);
    EXPECT_EQ(helper.CounterBits(), 32u);
}

TEST(InterfaceTotals, NotSupportedIsReportedOncePerRun) {
    FakeInterfaceTable table;
    table.AddRow("eth0", 1, kIfTypeEthernet, 10, 10);
    table.SetResult(TableReadResult::NotSupported);
    Recorder recorder;
    InterfaceTotals helper(table, recorder.Handler());
    for (int read = 0; read < 3; ++read) {
        EXPECT_EQ(helper.Interfaces()->Count(), 0);
        EXPECT_EQ(helper.BytesReceived(), 0u);
    }
    EXPECT_EQ(table.Reads(), 3);
    EXPECT_EQ(recorder.messages,
              std::vector<std::string>{"IP Helper is not supported by this system."});
}

TEST(InterfaceTotals, AFailedReadGivesAnEmptyTableAndZeroTotalsWithoutAMessage) {
    FakeInterfaceTable table;
    table.AddRow("eth0", 1, kIfTypeEthernet, 10, 20);
    Recorder recorder;
    InterfaceTotals helper(table, recorder.Handler());
    auto good = helper.Interfaces();
    table.SetResult(TableReadResult::Failed);
    auto failed = helper.Interfaces();
    ASSERT_NE(failed, nullptr);
    EXPECT_EQ(failed->Count(), 0);
    EXPECT_EQ(helper.BytesReceived(), 0u);
    EXPECT_EQ(helper.BytesSent(), 0u);
    EXPECT_EQ(good->Count(), 1);
    EXPECT_TRUE(recorder.messages.empty());
}

class BrokenSource final : public InterfaceTableSource {
  public:
    bool throws = false;
    TableReadResult Read(InterfaceTable& into) override {
        auto record = std::make_shared<InterfaceRow>();
        record->OctetsReceived(99);
        into.Add(record);  // a half-built table that must not be kept
        if (throws) throw std::runtime_error("boom");
        return TableReadResult::Failed;
    }
    unsigned CounterBits() const override { return 64; }
};

TEST(InterfaceTotals, NothingFromABrokenSourceOrHandlerReachesTheCaller) {
    BrokenSource source;
    InterfaceTotals helper(source);
    EXPECT_EQ(helper.Interfaces()->Count(), 0);
    source.throws = true;
    EXPECT_EQ(helper.Interfaces()->Count(), 0);
    EXPECT_EQ(helper.BytesReceived(), 0u);

    FakeInterfaceTable table;
    table.SetResult(TableReadResult::NotSupported);
    InterfaceTotals throwingBox(table,
                                [](const std::string&) { throw std::runtime_error("no box"); });
    EXPECT_NO_THROW(throwingBox.Interfaces());
}

TEST(InterfaceTotals, AssigningACollectionNeitherReadsNorChangesTotals) {
    FakeInterfaceTable table;
    table.AddRow("eth0", 1, kIfTypeEthernet, 10, 20);
    InterfaceTotals helper(table);
    helper.Interfaces();
    helper.Interfaces(std::make_shared<InterfaceTable>());
    EXPECT_EQ(table.Reads(), 1);
    EXPECT_EQ(helper.BytesReceived(), 10u);
}

}  // namespace
}  // namespace bytelora
