#pragma once

#include <gtest/gtest.h>

#include "netstats/InterfaceTable.h"

namespace bytelora::testing {

// Every field of two tables, row by row. Without `counters`, the counters of `newer`
// need only be at least those of `older`.
inline void ExpectSameRecords(const InterfaceTable& older, const InterfaceTable& newer,
                              bool counters) {
    ASSERT_EQ(older.Count(), newer.Count());
    for (std::int32_t i = 1; i <= older.Count(); ++i) {
        const InterfaceRow& a = *older.Item(i);
        const InterfaceRow& b = *newer.Item(i);
        SCOPED_TRACE(b.InterfaceName());
        EXPECT_EQ(a.InterfaceName(), b.InterfaceName());
        EXPECT_EQ(a.InterfaceDescription(), b.InterfaceDescription());
        EXPECT_EQ(a.InterfaceIndex(), b.InterfaceIndex());
        EXPECT_EQ(a.InterfaceType(), b.InterfaceType());
        EXPECT_EQ(a.Speed(), b.Speed());
        EXPECT_EQ(a.AdapterAddress(), b.AdapterAddress());
        EXPECT_EQ(a.AdminStatus(), b.AdminStatus());
        EXPECT_EQ(a.OperationalStatus(), b.OperationalStatus());
        EXPECT_EQ(a.LastChange(), b.LastChange());
        EXPECT_EQ(a.MaximumTransmissionUnit(), b.MaximumTransmissionUnit());
        EXPECT_EQ(a.OutputQueueLength(), b.OutputQueueLength());
        const std::pair<std::uint64_t, std::uint64_t> counts[] = {
            {a.OctetsReceived(), b.OctetsReceived()},
            {a.UnicastPacketsReceived(), b.UnicastPacketsReceived()},
            {a.NonunicastPacketsReceived(), b.NonunicastPacketsReceived()},
            {a.DiscardedIncomingPackets(), b.DiscardedIncomingPackets()},
            {a.IncomingErrors(), b.IncomingErrors()},
            {a.UnknownProtocolPackets(), b.UnknownProtocolPackets()},
            {a.OctetsSent(), b.OctetsSent()},
            {a.UnicastPacketsSent(), b.UnicastPacketsSent()},
            {a.NonunicastPacketsSent(), b.NonunicastPacketsSent()},
            {a.DiscardedOutgoingPackets(), b.DiscardedOutgoingPackets()},
            {a.OutgoingErrors(), b.OutgoingErrors()},
        };
        for (std::size_t c = 0; c < std::size(counts); ++c) {
            if (counters) {
                EXPECT_EQ(counts[c].first, counts[c].second) << "counter " << c;
            } else {
                EXPECT_LE(counts[c].first, counts[c].second) << "counter " << c;
            }
        }
    }
}

}  // namespace bytelora::testing
