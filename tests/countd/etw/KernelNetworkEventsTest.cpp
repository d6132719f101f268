#include <gtest/gtest.h>

#include "countd/daemon/etw/KernelNetworkEvents.h"
#include "tests/countd/etw/EventPayloads.h"

namespace bytelora::countd {
namespace {

using test::V4;
using test::V6;

TEST(KernelNetworkEvents, EverySendAndReceiveIsDecodedWithItsDirection) {
    struct Case {
        std::uint16_t id;
        bool ipv6;
        bool received;
    };
    for (const Case c : {Case{10, false, false}, Case{11, false, true}, Case{42, false, false},
                         Case{43, false, true}, Case{26, true, false}, Case{27, true, true},
                         Case{58, true, false}, Case{59, true, true}}) {
        const auto payload = c.ipv6 ? V6(4242, 1460) : V4(4242, 1460);
        const TrafficEvent event = DecodeKernelNetworkEvent(c.id, payload);
        EXPECT_EQ(event.verdict, EventVerdict::Counted) << c.id;
        EXPECT_EQ(event.pid, 4242u) << c.id;
        EXPECT_EQ(event.size, 1460u) << c.id;
        EXPECT_EQ(event.received, c.received) << c.id;
    }
}

TEST(KernelNetworkEvents, TheConnectionIdsWidthDoesNotMatter) {
    for (const std::size_t tail : {0u, 4u, 8u}) {
        EXPECT_EQ(DecodeKernelNetworkEvent(11, V4(7, 100, {8, 8, 8, 8}, {10, 0, 0, 2}, tail)).size,
                  100u);
        EXPECT_EQ(
            DecodeKernelNetworkEvent(27, V6(7, 100, test::kSomeV6, test::kOtherV6, tail)).size,
            100u);
    }
}

TEST(KernelNetworkEvents, ProcessIdsOfTheIdleAndSystemProcessesAreKept) {
    // Traffic the kernel sends for no process (pid 0) and for itself (4, "System"): the
    // counter decides what they are, the decoder only reads them.
    EXPECT_EQ(DecodeKernelNetworkEvent(10, V4(0, 52)).pid, 0u);
    EXPECT_EQ(DecodeKernelNetworkEvent(10, V4(0, 52)).verdict, EventVerdict::Counted);
    EXPECT_EQ(DecodeKernelNetworkEvent(59, V6(4, 1200)).pid, 4u);
    EXPECT_EQ(DecodeKernelNetworkEvent(59, V6(4, 1200)).verdict, EventVerdict::Counted);
}

TEST(KernelNetworkEvents, LoopbackAtEitherEndIsNotCounted) {
    EXPECT_EQ(DecodeKernelNetworkEvent(10, V4(9, 10, {127, 0, 0, 1}, {127, 0, 0, 1})).verdict,
              EventVerdict::Loopback);
    EXPECT_EQ(DecodeKernelNetworkEvent(11, V4(9, 10, {192, 168, 1, 2}, {127, 3, 2, 1})).verdict,
              EventVerdict::Loopback);
    EXPECT_EQ(DecodeKernelNetworkEvent(26, V6(9, 10, test::kLoopbackV6, test::kLoopbackV6)).verdict,
              EventVerdict::Loopback);
    EXPECT_EQ(
        DecodeKernelNetworkEvent(59, V6(9, 10, test::kSomeV6, test::kMappedLoopbackV6)).verdict,
        EventVerdict::Loopback);
    // 128.0.0.1 and a ::1 that is not all zeros before it are ordinary addresses.
    EXPECT_EQ(DecodeKernelNetworkEvent(10, V4(9, 10, {128, 0, 0, 1})).verdict,
              EventVerdict::Counted);
    test::V6Address almost = test::kLoopbackV6;
    almost[0] = 0xfe;
    EXPECT_EQ(DecodeKernelNetworkEvent(27, V6(9, 10, almost)).verdict, EventVerdict::Counted);
}

TEST(KernelNetworkEvents, TruncatedAndUnknownEventsAreNotCounted) {
    auto v4 = V4(1, 2, {1, 1, 1, 1}, {2, 2, 2, 2}, 0);
    EXPECT_EQ(DecodeKernelNetworkEvent(10, v4).verdict, EventVerdict::Counted);
    v4.pop_back();  // the source port cut short
    EXPECT_EQ(DecodeKernelNetworkEvent(10, v4).verdict, EventVerdict::Truncated);
    // An IPv4-sized payload is too short for an IPv6 event.
    EXPECT_EQ(DecodeKernelNetworkEvent(26, V4(1, 2)).verdict, EventVerdict::Truncated);
    EXPECT_EQ(DecodeKernelNetworkEvent(43, {}).verdict, EventVerdict::Truncated);
    // Connects (12), disconnects (13), retransmits (14) and ids no provider uses.
    for (const int id : {0, 12, 13, 14, 15, 44, 60, 65535}) {
        EXPECT_EQ(DecodeKernelNetworkEvent(static_cast<std::uint16_t>(id), V6(1, 2)).verdict,
                  EventVerdict::Ignored)
            << id;
    }
}

TEST(KernelNetworkEvents, TheProviderIsKnownByItsGuidInAnyCase) {
    EXPECT_TRUE(IsKernelNetworkProvider("7DD42A49-5329-4832-8DFD-43D979153A88"));
    EXPECT_TRUE(IsKernelNetworkProvider("{7dd42a49-5329-4832-8dfd-43d979153a88}"));
    EXPECT_FALSE(IsKernelNetworkProvider("{7DD42A49-5329-4832-8DFD-43D979153A88"));
    EXPECT_FALSE(IsKernelNetworkProvider("22FB2CD6-0E7B-422B-A0C7-2FAD1FD0E716"));
    EXPECT_FALSE(IsKernelNetworkProvider(""));
}

}  // namespace
}  // namespace bytelora::countd
