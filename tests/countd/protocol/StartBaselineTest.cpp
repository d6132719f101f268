#include <gtest/gtest.h>

#include "countd/protocol/StartBaseline.h"
#include "netstats/InterfaceTable.h"

namespace bytelora::countd {
namespace {

std::shared_ptr<InterfaceRow> Row(const std::string& name, std::uint32_t type, std::uint64_t received,
                                std::uint64_t sent, std::uint64_t packets) {
    auto row = std::make_shared<InterfaceRow>();
    row->InterfaceName(name);
    row->InterfaceType(type);
    row->OctetsReceived(received);
    row->OctetsSent(sent);
    row->UnicastPacketsReceived(packets);
    return row;
}

TEST(StartBaseline, WrittenAndReadBackAndRefusedWhenDamaged) {
    const StartBaseline baseline{1765, {{"eth0", 6, 1, 2, 3}, {"we\tird", 71, 4, 5, 6}}};
    EXPECT_EQ(ParseBaseline(WriteBaseline(baseline)), baseline);
    const std::string text = WriteBaseline(baseline);
    for (std::size_t cut = 0; cut + 1 < text.size(); cut += 5) EXPECT_FALSE(ParseBaseline(text.substr(0, cut)));
    EXPECT_FALSE(ParseBaseline("bytelora-countd-start\t1\t5\neth0\t6\t-1\t0\t0\nend\n"));
    EXPECT_EQ(BaselinePathFor("/run/bytelora/countd.socket"), "/run/bytelora/countd.socket.start");
}

TEST(StartBaseline, InterfacesMovedSinceTheStartWithoutTheirEthernetHeaders) {
    InterfaceTable atStart;
    { auto r = Row("eth0", kIfTypeEthernet, 1000, 500, 10); atStart.Add(r); }
    { auto r = Row("wg0", kIfTypeTunnel, 100, 100, 1); atStart.Add(r); }
    { auto r = Row("lo", kIfTypeLoopback, 5, 5, 1); atStart.Add(r); }
    const StartBaseline baseline = BaselineOf(7, atStart);
    InterfaceTable now;
    { auto r = Row("eth0", kIfTypeEthernet, 1000 + 2014, 500 + 1014 - 14 * 0, 10 + 2); now.Add(r); }
    { auto r = Row("wg0", kIfTypeTunnel, 50, 60, 1); now.Add(r); }   // made again since: counts from zero
    { auto r = Row("usb0", kIfTypeEthernet, 0, 0, 0); now.Add(r); }  // new, idle
    { auto r = Row("lo", kIfTypeLoopback, 999, 999, 9); now.Add(r); }
    const ByteCounts moved = MovedSince(baseline, now, {true, true, true, false});
    // eth0: 3028 bytes in 2 packets, less 28 bytes of headers, shared 2014 : 1014.
    EXPECT_EQ(moved.received + moved.sent, 3000u + 110u);
    EXPECT_EQ(moved.received, 1995u + 50u);
}

}  // namespace
}  // namespace bytelora::countd
