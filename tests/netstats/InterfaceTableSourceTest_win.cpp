// Runs under wine: the real GetIfTable of wine's IP Helper, which reports the host's
// interfaces, checked against the host's own counters in Z:\proc\net\dev.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "netstats/InterfaceTableSource.h"
#include "netstats/InterfaceTotals.h"
#include "netstats/LinkSpeed.h"

namespace bytelora {
namespace {

struct HostTotals {
    bool readable = false;
    std::uint64_t received = 0;  // summed 64-bit counters, as GetIfTable2 has them
    std::uint64_t sent = 0;
};

// The host's non-loopback counters, whole, like the rows of GetIfTable2.
HostTotals ReadHostTotals() {
    HostTotals totals;
    std::ifstream dev("Z:\\proc\\net\\dev");
    if (!dev) return totals;
    totals.readable = true;
    std::string line;
    std::getline(dev, line);
    std::getline(dev, line);
    while (std::getline(dev, line)) {
        const auto colon = line.find(':');
        if (colon == std::string::npos) continue;
        std::string name = line.substr(0, colon);
        name.erase(0, name.find_first_not_of(' '));
        if (name == "lo") continue;
        std::istringstream fields(line.substr(colon + 1));
        std::uint64_t value = 0;
        std::uint64_t column[16] = {};
        for (int i = 0; i < 16 && fields >> value; ++i) column[i] = value;
        totals.received += column[0];
        totals.sent += column[8];
    }
    return totals;
}

TEST(WindowsInterfaceTable, ReadsTheIpHelperTable) {
    auto source = MakeSystemInterfaceTable();
    // Wine has GetIfTable2, as every Windows since Vista has: the counters are 64-bit.
    EXPECT_EQ(source->CounterBits(), 64u);
    InterfaceTable table;
    ASSERT_EQ(source->Read(table), TableReadResult::Ok);
    ASSERT_GT(table.Count(), 0);
    const std::regex address("^$|^(00|[1-9A-F][0-9A-F]?)(-(00|[1-9A-F][0-9A-F]?)){0,7}$");
    bool loopback = false;
    for (const auto& row : table) {
        EXPECT_NE(row->InterfaceIndex(), 0u);
        EXPECT_FALSE(row->InterfaceDescription().empty());
        EXPECT_TRUE(std::regex_match(row->AdapterAddress(), address)) << row->AdapterAddress();
        EXPECT_EQ(LinkSpeedBitsPerSecond(*row), row->Speed());
        loopback = loopback || row->InterfaceType() == kIfTypeLoopback;
        EXPECT_FALSE(row->Alias().empty()) << row->InterfaceName();
    }
    EXPECT_TRUE(loopback);
}

TEST(WindowsInterfaceTable, TotalsAgreeWithTheHostsNetworkCounters) {
    const HostTotals before = ReadHostTotals();
    if (!before.readable) GTEST_SKIP() << "not running under wine on a Linux host";
    auto source = MakeSystemInterfaceTable();
    InterfaceTotals helper(*source);
    helper.Interfaces();
    const HostTotals after = ReadHostTotals();
    // Traffic may flow between the reads; the table's totals lie between the two.
    EXPECT_GE(helper.BytesReceived(), before.received);
    EXPECT_LE(helper.BytesReceived(), after.received);
    EXPECT_GE(helper.BytesSent(), before.sent);
    EXPECT_LE(helper.BytesSent(), after.sent);
}

}  // namespace
}  // namespace bytelora
