#include "netstats/LinuxInterfaceTable.h"

#include <gtest/gtest.h>
#include <linux/if.h>
#include <linux/if_arp.h>
#include <linux/if_link.h>
#include <linux/rtnetlink.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>

#include "ProcNetDev.h"
#include "SameRecords.h"
#include "netstats/InterfaceTotals.h"
#include "netstats/LinkSpeed.h"
#include "netstats/LinuxLinkMessage.h"
#include "netstats/LinuxSysfs.h"
#include "support/TempDir.h"

namespace bytelora {
namespace {

namespace fs = std::filesystem;

// An RTM_NEWLINK payload: the ifinfomsg and then attributes, as the kernel lays them out;
// or, from an if_stats_msg, an RTM_NEWSTATS payload.
class LinkPayload {
  public:
    explicit LinkPayload(const if_stats_msg& header) { Append(&header, sizeof(header)); }
    LinkPayload(std::uint16_t arphrd, unsigned flags, int index = 7) {
        ifinfomsg info{};
        info.ifi_type = arphrd;
        info.ifi_flags = flags;
        info.ifi_index = index;
        Append(&info, sizeof(info));
    }
    LinkPayload& Attr(std::uint16_t type, const void* data, std::size_t size) {
        const rtattr header{static_cast<unsigned short>(RTA_LENGTH(size)), type};
        Append(&header, sizeof(header));
        Append(data, size);
        bytes_.resize((bytes_.size() + 3) & ~std::size_t{3}, 0);
        return *this;
    }
    template <typename T>
    LinkPayload& Attr(std::uint16_t type, const T& value) {
        return Attr(type, &value, sizeof(value));
    }
    std::vector<std::uint8_t>& Bytes() { return bytes_; }

  private:
    void Append(const void* data, std::size_t size) {
        const auto* p = static_cast<const std::uint8_t*>(data);
        bytes_.insert(bytes_.end(), p, p + size);
    }
    std::vector<std::uint8_t> bytes_;
};

TEST(LinuxLinkMessage, PrefersTheSixtyFourBitCounters) {
    rtnl_link_stats64 wide{};
    wide.rx_bytes = 5'000'000'000ull;
    wide.tx_bytes = 6'000'000'000ull;
    wide.rx_packets = 100;
    wide.multicast = 10;
    wide.tx_packets = 50;
    wide.rx_errors = 1;
    wide.tx_dropped = 2;
    rtnl_link_stats narrow{};
    narrow.rx_bytes = 1;
    const std::uint8_t mac[] = {0x52, 0x54, 0x00, 0x0A, 0xBC, 0x01};
    LinkPayload payload(ARPHRD_ETHER, IFF_UP);
    payload.Attr(IFLA_IFNAME, "eth7", 5).Attr(IFLA_MTU, std::uint32_t{9000});
    payload.Attr(IFLA_ADDRESS, mac, sizeof(mac)).Attr(IFLA_OPERSTATE, std::uint8_t{IF_OPER_UP});
    payload.Attr(IFLA_STATS, narrow).Attr(IFLA_STATS64, wide);

    LinkMessage link;
    ASSERT_TRUE(ParseLinkMessage(payload.Bytes(), link));
    const InterfaceRow& r = link.record;
    EXPECT_EQ(r.InterfaceName(), "eth7");
    EXPECT_EQ(r.InterfaceDescription(), "eth7");
    EXPECT_EQ(r.InterfaceIndex(), 7u);
    EXPECT_EQ(r.MaximumTransmissionUnit(), 9000u);
    EXPECT_EQ(r.AdapterAddress(), "52-54-00-A-BC-1");
    EXPECT_EQ(r.AdminStatus(), kIfStatusUp);
    EXPECT_EQ(r.OperationalStatus(), kIfStatusUp);
    EXPECT_EQ(r.OctetsReceived(), 5'000'000'000ull);
    EXPECT_EQ(r.OctetsSent(), 6'000'000'000ull);
    EXPECT_EQ(r.UnicastPacketsReceived(), 90u);
    EXPECT_EQ(r.NonunicastPacketsReceived(), 10u);
    EXPECT_EQ(r.UnicastPacketsSent(), 50u);
    EXPECT_EQ(r.IncomingErrors(), 1u);
    EXPECT_EQ(r.DiscardedOutgoingPackets(), 2u);
    EXPECT_EQ(link.arphrdType, ARPHRD_ETHER);
}

TEST(LinuxLinkMessage, FallsBackToThirtyTwoBitCountersAndSurvivesBadAttributes) {
    rtnl_link_stats narrow{};
    narrow.rx_bytes = 123;
    narrow.tx_bytes = 456;
    LinkPayload payload(ARPHRD_LOOPBACK, 0);
    payload.Attr(IFLA_STATS, narrow).Attr(IFLA_IFNAME, "no-terminator", 13);
    LinkMessage link;
    ASSERT_TRUE(ParseLinkMessage(payload.Bytes(), link));
    EXPECT_TRUE(link.hasStats);
    EXPECT_EQ(link.record.OctetsReceived(), 123u);
    EXPECT_EQ(link.record.OctetsSent(), 456u);
    EXPECT_EQ(link.record.InterfaceName(), "no-terminator");
    EXPECT_EQ(link.record.AdminStatus(), kIfStatusDown);
    EXPECT_EQ(link.record.OperationalStatus(), 4u);  // no IFLA_OPERSTATE: unknown

    // Every cut of the message, and an attribute claiming more than there is, must parse
    // without reading past the end (the sanitizer build checks).
    auto& bytes = payload.Bytes();
    for (std::size_t size = 0; size <= bytes.size(); ++size) {
        const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(size));
        LinkMessage partial;
        EXPECT_EQ(ParseLinkMessage(cut, partial), size >= sizeof(ifinfomsg));
    }
    bytes[sizeof(ifinfomsg)] = 0xFF;  // the first attribute's length
    LinkMessage bogus;
    EXPECT_TRUE(ParseLinkMessage(bytes, bogus));
    EXPECT_FALSE(bogus.hasStats);
}

TEST(LinuxLinkMessage, StatsMessageCountersLandAsTheLinkMessagesDo) {
    rtnl_link_stats64 wide{};
    wide.rx_bytes = 7'000'000'001ull;
    wide.tx_bytes = 8'000'000'002ull;
    wide.rx_packets = 300;
    wide.multicast = 30;
    wide.tx_packets = 200;
    wide.rx_errors = 3;
    wide.rx_dropped = 4;
    wide.tx_errors = 5;
    wide.tx_dropped = 6;
    wide.rx_nohandler = 7;
    if_stats_msg header{};
    header.ifindex = 42;
    header.filter_mask = IFLA_STATS_FILTER_BIT(IFLA_STATS_LINK_64);
    const std::uint32_t noise = 0xFFFFFFFF;
    LinkPayload stats(header);
    // The kernel may put a padding attribute first, to align the 64-bit counters.
    stats.Attr(IFLA_STATS_UNSPEC, noise).Attr(IFLA_STATS_LINK_64, wide);
    stats.Attr(IFLA_STATS_LINK_XSTATS, noise);

    StatsMessage message;
    ASSERT_TRUE(ParseStatsMessage(stats.Bytes(), message));
    EXPECT_EQ(message.index, 42u);
    ASSERT_EQ(message.stats64.size(), sizeof(wide));
    InterfaceRow fromStats;
    ApplyLinkStats64(message.stats64, fromStats);
    LinkPayload link(ARPHRD_ETHER, IFF_UP, 42);
    link.Attr(IFLA_STATS64, wide);
    LinkMessage fromLink;
    ASSERT_TRUE(ParseLinkMessage(link.Bytes(), fromLink));
    InterfaceTable a, b;
    auto ra = std::make_shared<InterfaceRow>(fromStats);
    auto rb = std::make_shared<InterfaceRow>(fromLink.record);
    rb->InterfaceIndex(0);
    rb->AdminStatus(0);
    rb->OperationalStatus(0);
    a.Add(ra);
    b.Add(rb);
    testing::ExpectSameRecords(a, b, true);
    EXPECT_EQ(fromStats.UnicastPacketsReceived(), 270u);
    EXPECT_EQ(fromStats.UnknownProtocolPackets(), 7u);

    // Every cut parses without reading past the end (the sanitizer build checks); one
    // that cuts the counters attribute has none.
    auto& bytes = stats.Bytes();
    for (std::size_t size = 0; size <= bytes.size(); ++size) {
        const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(size));
        StatsMessage partial;
        EXPECT_EQ(ParseStatsMessage(cut, partial), size >= sizeof(if_stats_msg));
        if (size < sizeof(if_stats_msg) + 8 + RTA_LENGTH(sizeof(wide))) {
            EXPECT_TRUE(partial.stats64.empty()) << size;
        }
    }
    LinkPayload bare(header);
    StatsMessage none;
    ASSERT_TRUE(ParseStatsMessage(bare.Bytes(), none));
    EXPECT_TRUE(none.stats64.empty());
}

TEST(LinuxLinkMessage, KernelTypesAndStatesBecomeMibValues) {
    EXPECT_EQ(MibInterfaceType(ARPHRD_ETHER, false), 6u);
    EXPECT_EQ(MibInterfaceType(ARPHRD_ETHER, true), 71u);
    EXPECT_EQ(MibInterfaceType(ARPHRD_LOOPBACK, false), 24u);
    EXPECT_EQ(MibInterfaceType(ARPHRD_PPP, false), 23u);
    EXPECT_EQ(MibInterfaceType(ARPHRD_IEEE80211_RADIOTAP, false), 71u);
    EXPECT_EQ(MibInterfaceType(ARPHRD_NONE, false), 131u);
    EXPECT_EQ(MibInterfaceType(ARPHRD_SIT, false), 131u);
    EXPECT_EQ(MibInterfaceType(ARPHRD_CAN, false), 1u);
    const std::pair<std::uint8_t, std::uint32_t> states[] = {
        {IF_OPER_UP, 1},
        {IF_OPER_DOWN, 2},
        {IF_OPER_TESTING, 3},
        {IF_OPER_UNKNOWN, 4},
        {IF_OPER_DORMANT, 5},
        {IF_OPER_NOTPRESENT, 6},
        {IF_OPER_LOWERLAYERDOWN, 7},
        {200, 4},
    };
    for (const auto& [kernel, mib] : states) EXPECT_EQ(MibOperStatus(kernel), mib) << int{kernel};
}

TEST(LinuxSysfs, LinkSpeedIsZeroWhenUnknown) {
    testing::TempDir root;
    const auto put = [&](const std::string& name, const std::string& text) {
        fs::create_directories(root / name);
        std::ofstream(root / name / "speed") << text;
    };
    put("eth0", "1000\n");
    put("eth1", "-1\n");
    put("eth2", "fast\n");
    put("eth3", "99999999999\n");
    fs::create_directories(root / "eth4" / "speed");  // a folder where the file should be
    const std::pair<const char*, std::uint32_t> cases[] = {
        {"eth0", 1000}, {"eth1", 0}, {"eth2", 0},    {"eth3", 0},
        {"eth4", 0},    {"gone", 0}, {"../eth0", 0}, {"", 0},
    };
    for (const auto& [name, mbps] : cases) {
        EXPECT_EQ(ReadLinkSpeedMbps(name, root.path().string()), mbps) << name;
    }
    EXPECT_EQ(ReadLinkSpeedMbps("lo"), 0u);  // the real loopback: the read itself fails
}

std::vector<InterfaceTable::Record> Rows(const InterfaceTable& table) {
    return {table.begin(), table.end()};
}

const InterfaceRow* Find(const InterfaceTable& table, const std::string& name) {
    for (const auto& row : table) {
        if (row->InterfaceName() == name) return row.get();
    }
    return nullptr;
}

TEST(LinuxInterfaceTable, ReadsTheLiveTableWithLoopbackAndUniqueIndexes) {
    auto source = MakeSystemInterfaceTable();
    EXPECT_EQ(source->CounterBits(), 64u);
    InterfaceTable table;
    ASSERT_EQ(source->Read(table), TableReadResult::Ok);
    ASSERT_GT(table.Count(), 0);
    std::set<std::uint32_t> indexes;
    for (const auto& row : table) {
        EXPECT_FALSE(row->InterfaceName().empty());
        EXPECT_EQ(row->InterfaceDescription(), row->InterfaceName());
        EXPECT_TRUE(indexes.insert(row->InterfaceIndex()).second) << row->InterfaceName();
        EXPECT_EQ(row->Speed(), 0u);  // speed is for the listing only, never read here
    }
    const InterfaceRow* lo = Find(table, "lo");
    ASSERT_NE(lo, nullptr);
    EXPECT_EQ(lo->InterfaceType(), kIfTypeLoopback);
    EXPECT_EQ(lo->AdminStatus(), kIfStatusUp);
    EXPECT_EQ(LinkSpeedBitsPerSecond(*lo), 0u);
}

TEST(LinuxInterfaceTable, NonLoopbackTotalsAgreeWithProcNetDev) {
    auto source = MakeSystemInterfaceTable();
    InterfaceTotals helper(*source);
    std::vector<testing::ProcNetDevRow> before, after;
    std::string buffer;
    ASSERT_TRUE(testing::ReadProcNetDev(before, buffer));
    auto table = helper.Interfaces();
    ASSERT_TRUE(testing::ReadProcNetDev(after, buffer));

    const auto sum = [&](const std::vector<testing::ProcNetDevRow>& rows, bool received) {
        std::uint64_t total = 0;
        for (const auto& row : rows) {
            const InterfaceRow* match = Find(*table, row.name);
            EXPECT_NE(match, nullptr) << row.name;
            if (match != nullptr && match->InterfaceType() != kIfTypeLoopback) {
                total += received ? row.rxBytes : row.txBytes;
            }
        }
        return total;
    };
    EXPECT_EQ(static_cast<std::size_t>(table->Count()), after.size());
    EXPECT_LE(sum(before, true), helper.BytesReceived());
    EXPECT_GE(sum(after, true), helper.BytesReceived());
    EXPECT_LE(sum(before, false), helper.BytesSent());
    EXPECT_GE(sum(after, false), helper.BytesSent());
}

TEST(LinuxInterfaceTable, RepeatedReadsOnOneSocketNeverGoBackwards) {
    LinuxInterfaceTable source;
    std::map<std::uint32_t, std::uint64_t> last;
    for (int read = 0; read < 40; ++read) {
        InterfaceTable table;
        ASSERT_EQ(source.Read(table), TableReadResult::Ok) << read;
        for (const auto& row : table) {
            const auto [it, fresh] = last.try_emplace(row->InterfaceIndex(), row->OctetsReceived());
            EXPECT_GE(row->OctetsReceived(), it->second) << row->InterfaceName();
            it->second = row->OctetsReceived();
        }
    }
}

TEST(LinuxInterfaceTable, CountersOnlyReadsAgreeWithAFullRead) {
    LinuxInterfaceTable source;
    InterfaceTable first;
    ASSERT_EQ(source.Read(first), TableReadResult::Ok);
    for (int read = 0; read < 3; ++read) {
        InterfaceTable light;
        ASSERT_EQ(source.Read(light), TableReadResult::Ok);
        InterfaceTable full;
        ASSERT_EQ(LinuxInterfaceTable().Read(full), TableReadResult::Ok);
        testing::ExpectSameRecords(light, full, false);
        testing::ExpectSameRecords(first, light, false);
    }
    // Unless the machine's links changed meanwhile, only the first read was a full one.
    EXPECT_LE(source.FullReads(), 2u);
}

TEST(LinuxInterfaceTable, WirelessIsLookedUpOncePerInterface) {
    // Find a wired-looking interface of this machine and pretend, through a sysfs copy
    // of our own, that it is wireless.
    InterfaceTable probe;
    ASSERT_EQ(LinuxInterfaceTable().Read(probe), TableReadResult::Ok);
    const auto rows = Rows(probe);
    const auto ethernet = std::find_if(rows.begin(), rows.end(), [](const auto& row) {
        return row->InterfaceType() == kIfTypeEthernet;
    });
    if (ethernet == rows.end()) GTEST_SKIP() << "no ethernet interface on this machine";
    const std::string name = (*ethernet)->InterfaceName();

    testing::TempDir sysfs;
    fs::create_directories(sysfs / name / "wireless");
    LinuxInterfaceTable source(sysfs.path().string());
    InterfaceTable first;
    ASSERT_EQ(source.Read(first), TableReadResult::Ok);
    EXPECT_EQ(Find(first, name)->InterfaceType(), kIfTypeWireless);

    fs::remove_all(sysfs / name);
    // Reads that take only the counters keep the type anyway; read until a full read
    // (one comes now and then even when nothing changed) has used the cache.
    const std::uint64_t fullReads = source.FullReads();
    for (int read = 0; read < 200 && source.FullReads() == fullReads; ++read) {
        InterfaceTable second;
        ASSERT_EQ(source.Read(second), TableReadResult::Ok);
        EXPECT_EQ(Find(second, name)->InterfaceType(), kIfTypeWireless);  // cached, not re-read
    }
    EXPECT_GT(source.FullReads(), fullReads);
}

}  // namespace
}  // namespace bytelora
