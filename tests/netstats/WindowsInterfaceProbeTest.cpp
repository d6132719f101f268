// The Windows facts through crafted MIB_IF_ROW2 and MIB_IPFORWARD_ROW2 rows.
#include "netstats/WindowsInterfaceProbe.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "netstats/InterfaceSelection.h"
#include "netstats/WindowsWideCounters.h"

namespace bytelora {
namespace {

// A table as IP Helper returns it: the count, then the rows.
template <typename Table, typename Row>
class Crafted {
  public:
    explicit Crafted(std::size_t rows)
        : bytes_((offsetof(Table, Table) + (rows + 1) * sizeof(Row)) / sizeof(std::max_align_t) +
                 1) {
        table()->NumEntries = static_cast<ULONG>(rows);
    }
    Table* table() { return reinterpret_cast<Table*>(bytes_.data()); }
    Row& row(std::size_t i) { return table()->Table[i]; }

  private:
    // Zeroed and aligned for the rows' 64-bit fields.
    std::vector<std::max_align_t> bytes_;
};

InterfaceTable Rows(const std::vector<std::uint32_t>& indexes) {
    InterfaceTable rows;
    for (std::uint32_t index : indexes) {
        auto record = std::make_shared<InterfaceRow>();
        record->InterfaceIndex(index);
        record->InterfaceType(kIfTypeEthernet);
        record->InterfaceName("if" + std::to_string(index));
        rows.Add(record);
    }
    return rows;
}

TEST(WindowsInterfaceProbeTest, FlagsAndRoutesAreMatchedByIndex) {
    // 7: a network card; 8: its packet-scheduler filter; 9: Hyper-V vEthernet;
    // 10: a VPN adapter with the default route; 11: no row of its own in the new table.
    Crafted<MIB_IF_TABLE2, MIB_IF_ROW2> interfaces(4);
    const struct {
        NET_IFINDEX index;
        bool hardware;
        bool filter;
    } flags[] = {{9, false, false}, {7, true, false}, {8, true, true}, {10, false, false}};
    for (std::size_t i = 0; i < 4; ++i) {
        interfaces.row(i).InterfaceIndex = flags[i].index;
        interfaces.row(i).InterfaceAndOperStatusFlags.HardwareInterface = flags[i].hardware;
        interfaces.row(i).InterfaceAndOperStatusFlags.FilterInterface = flags[i].filter;
    }
    Crafted<MIB_IPFORWARD_TABLE2, MIB_IPFORWARD_ROW2> routes(3);
    routes.row(0).InterfaceIndex = 10;  // 0.0.0.0/0 through the VPN
    routes.row(1).InterfaceIndex = 7;
    routes.row(1).DestinationPrefix.PrefixLength = 24;
    routes.row(2).InterfaceIndex = 9;  // a loopback default is no way out
    routes.row(2).Loopback = TRUE;

    const InterfaceTable rows = Rows({7, 8, 9, 10, 11});
    std::vector<InterfaceFacts> facts;
    FactsFromMibTables(rows, interfaces.table(), routes.table(), facts);
    ASSERT_EQ(facts.size(), 5u);
    EXPECT_TRUE(facts[0].hardware);
    EXPECT_TRUE(facts[1].filter);
    EXPECT_FALSE(facts[1].hardware);
    EXPECT_FALSE(facts[2].hardware);
    EXPECT_FALSE(facts[2].defaultRoute);
    EXPECT_TRUE(facts[3].defaultRoute);
    EXPECT_FALSE(facts[0].defaultRoute);
    EXPECT_FALSE(facts[4].hardware || facts[4].filter || facts[4].defaultRoute);

    // Only the card counts: the filter row, Hyper-V and the VPN would count it again.
    class Fixed final : public InterfaceProbe {
      public:
        explicit Fixed(std::vector<InterfaceFacts> f) : f_(std::move(f)) {}
        void Probe(const InterfaceTable&, std::vector<InterfaceFacts>& out) override { out = f_; }
        std::vector<InterfaceFacts> f_;
    } probe(facts);
    InterfaceSelection selection(&probe);
    selection.Update(rows);
    EXPECT_EQ(selection.Reason(0), CountReason::Hardware);
    EXPECT_EQ(selection.Reason(1), CountReason::Filter);
    EXPECT_EQ(selection.Reason(2), CountReason::Virtual);
    EXPECT_EQ(selection.Reason(3), CountReason::Virtual);

    // Without the tables nothing is known; the live system answers for every row.
    FactsFromMibTables(rows, nullptr, nullptr, facts);
    EXPECT_EQ(facts.size(), 5u);
    WindowsInterfaceProbe live;
    live.Probe(rows, facts);
    EXPECT_EQ(facts.size(), 5u);
}

TEST(WindowsWideCounters, TheNewerTablesCountersAndAliasReplaceTheOldOnesByIndex) {
    InterfaceTable rows = Rows({7, 9});
    for (const auto& row : rows) {
        row->OctetsReceived(0xFFFFFFF0u);  // the old table's 32-bit view
        row->OctetsSent(5);
    }
    Crafted<MIB_IF_TABLE2, MIB_IF_ROW2> interfaces(2);
    interfaces.row(0).InterfaceIndex = 9;
    interfaces.row(0).InOctets = 0x1'0000'0010ull;  // past 4 GiB
    interfaces.row(0).OutOctets = 0x2'0000'0005ull;
    const wchar_t alias[] = L"Wi-Fi \u00e9";
    std::copy(std::begin(alias), std::end(alias), interfaces.row(0).Alias);
    interfaces.row(1).InterfaceIndex = 7;
    interfaces.row(1).InOctets = 42;
    EXPECT_TRUE(WidenFromIfTable2(rows, *interfaces.table()));
    EXPECT_EQ(rows.Item(1)->OctetsReceived(), 42u);
    EXPECT_EQ(rows.Item(1)->Alias(), "");
    EXPECT_EQ(rows.Item(2)->OctetsReceived(), 0x1'0000'0010ull);
    EXPECT_EQ(rows.Item(2)->OctetsSent(), 0x2'0000'0005ull);
    EXPECT_EQ(rows.Item(2)->Alias(), "Wi-Fi \xc3\xa9");
    EXPECT_EQ(rows.Item(2)->InterfaceName(), "if9");  // the key stays

    // A row that came between the two reads has no 64-bit counters: the read is refused.
    InterfaceTable late = Rows({7, 11});
    EXPECT_FALSE(WidenFromIfTable2(late, *interfaces.table()));
}

}  // namespace
}  // namespace bytelora
