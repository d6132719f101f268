#include "netstats/IfTableReader.h"

#include <gtest/gtest.h>

#include "IfTableImage.h"

namespace bytelora {
namespace {

using testing::FakeGetIfTable;
using testing::IfRowFields;
using testing::MakeIfTableImage;
using testing::PutU32;
using testing::RowOffset;

InterfaceTable Parse(const std::vector<std::uint8_t>& image) {
    InterfaceTable table;
    ParseIfTable(image, table);
    return table;
}

InterfaceTable::Record OneRow(const IfRowFields& fields) {
    InterfaceTable table = Parse(MakeIfTableImage({fields}));
    EXPECT_EQ(table.Count(), 1);
    return table.Item(1);
}

TEST(IfTableParse, EveryRowComesInTableOrder) {
    EXPECT_EQ(Parse(MakeIfTableImage({})).Count(), 0);
    std::vector<IfRowFields> rows(100);
    for (std::uint32_t i = 0; i < 100; ++i) rows[i].index = 1000 - i;
    const InterfaceTable table = Parse(MakeIfTableImage(rows));
    ASSERT_EQ(table.Count(), 100);
    for (std::int32_t i = 1; i <= 100; ++i) {
        EXPECT_EQ(table.Item(i)->InterfaceIndex(), static_cast<std::uint32_t>(1001 - i));
    }
}

TEST(IfTableParse, EveryFieldLandsInItsOwnProperty) {
    auto image = MakeIfTableImage({IfRowFields{}});
    const std::size_t row = RowOffset(0);
    // Each 32-bit field from index to the output queue length gets its offset as value,
    // so a swapped pair of fields shows up.
    for (std::size_t offset = ifrow::kIndex; offset <= ifrow::kOutQLen; offset += 4) {
        if (offset == ifrow::kPhysAddrLen || offset == ifrow::kPhysAddr ||
            offset == ifrow::kPhysAddr + 4) {
            continue;
        }
        PutU32(image, row + offset, static_cast<std::uint32_t>(offset));
    }
    const auto r = Parse(image).Item(1);
    EXPECT_EQ(r->InterfaceIndex(), ifrow::kIndex);
    EXPECT_EQ(r->InterfaceType(), ifrow::kType);
    EXPECT_EQ(r->MaximumTransmissionUnit(), ifrow::kMtu);
    EXPECT_EQ(r->Speed(), ifrow::kSpeed);
    EXPECT_EQ(r->AdminStatus(), ifrow::kAdminStatus);
    EXPECT_EQ(r->OperationalStatus(), ifrow::kOperStatus);
    EXPECT_EQ(r->LastChange(), static_cast<double>(ifrow::kLastChange));
    EXPECT_EQ(r->OctetsReceived(), ifrow::kInOctets);
    EXPECT_EQ(r->UnicastPacketsReceived(), ifrow::kInUcastPkts);
    EXPECT_EQ(r->NonunicastPacketsReceived(), ifrow::kInNUcastPkts);
    EXPECT_EQ(r->DiscardedIncomingPackets(), ifrow::kInDiscards);
    EXPECT_EQ(r->IncomingErrors(), ifrow::kInErrors);
    EXPECT_EQ(r->UnknownProtocolPackets(), ifrow::kInUnknownProtos);
    EXPECT_EQ(r->OctetsSent(), ifrow::kOutOctets);
    EXPECT_EQ(r->UnicastPacketsSent(), ifrow::kOutUcastPkts);
    EXPECT_EQ(r->NonunicastPacketsSent(), ifrow::kOutNUcastPkts);
    EXPECT_EQ(r->DiscardedOutgoingPackets(), ifrow::kOutDiscards);
    EXPECT_EQ(r->OutgoingErrors(), ifrow::kOutErrors);
    EXPECT_EQ(r->OutputQueueLength(), ifrow::kOutQLen);
}

TEST(IfTableParse, OnlyRowsWhollyInsideTheBufferAreRead) {
    const std::vector<IfRowFields> two(2);
    struct Case {
        const char* what;
        std::uint32_t claimedRows;
        std::size_t bufferBytes;
        std::int32_t records;
    } cases[] = {
        {"three claimed, two present", 3, RowOffset(2), 2},
        {"all rows claimed that a 32-bit count can", 0xFFFFFFFF, RowOffset(2), 2},
        {"second row cut short by one byte", 2, RowOffset(2) - 1, 1},
        {"fewer claimed than present", 1, RowOffset(2), 1},
        {"header only", 5, 4, 0},
        {"not even a header", 5, 3, 0},
        {"nothing", 5, 0, 0},
    };
    for (const Case& c : cases) {
        auto image = MakeIfTableImage(two);
        PutU32(image, 0, c.claimedRows);
        // An exact-size copy, so that a read past its end is caught by the sanitizers.
        const std::vector<std::uint8_t> buffer(image.begin(),
                                               image.begin() + static_cast<long>(c.bufferBytes));
        EXPECT_EQ(Parse(buffer).Count(), c.records) << c.what;
    }
}

TEST(IfTableParse, AdapterAddressText) {
    struct Case {
        std::vector<std::uint8_t> bytes;
        std::optional<std::uint32_t> length;
        const char* text;
    } cases[] = {
        {{}, 0, ""},
        {{0x00, 0x1A, 0x2B, 0x03, 0xC4, 0xFF}, 0, ""},
        {{0x00, 0x0C, 0x29, 0xAB, 0x00, 0x01}, {}, "00-C-29-AB-00-1"},
        {{0x00, 0x1A, 0x2B, 0x03, 0xC4, 0xFF}, {}, "00-1A-2B-3-C4-FF"},
        {{0x0A}, {}, "A"},
        {{0x10, 0xF0}, {}, "10-F0"},
        {{1, 2, 3, 4, 5, 6, 7, 8}, 12, "1-2-3-4-5-6-7-8"},
        {{1, 2, 3, 4, 5, 6, 7, 8}, 0xFFFFFFFF, "1-2-3-4-5-6-7-8"},
    };
    for (const Case& c : cases) {
        IfRowFields fields;
        fields.physAddr = c.bytes;
        fields.physAddrLen = c.length;
        EXPECT_EQ(OneRow(fields)->AdapterAddress(), c.text) << c.text;
    }
}

TEST(IfTableParse, DescriptionIsCutToItsCountedLength) {
    using namespace std::string_literals;
    struct Case {
        std::string bytes;
        std::uint32_t length;
        std::string text;
    } cases[] = {
        {"Intel(R) Ethernet Connection", 10, "Intel(R) E"},
        {"Realtek", 8, "Realtek\0"s},  // the counted terminating zero stays
        {"Realtek", 0, ""},
        {"Caf\xE9 \x80 \x96", 8, "Caf\u00E9 \u20AC \u2013"},
        {"x", 1000, "x" + std::string(255, '\0')},  // never more than the 256 bytes
    };
    for (const Case& c : cases) {
        IfRowFields fields;
        fields.descr = c.bytes;
        fields.descrLen = c.length;
        EXPECT_EQ(OneRow(fields)->InterfaceDescription(), c.text) << c.bytes;
    }
}

TEST(IfTableParse, NameIsUtf16UpToTheFirstZeroUnit) {
    struct Case {
        std::u16string units;
        std::string text;
    } cases[] = {
        {u"Ethernet", "Ethernet"},
        {u"Wi\u2011Fi \u00FC", "Wi\u2011Fi \u00FC"},
        {std::u16string(u"eth\0tail", 8), "eth"},
        {u"\U0001F310", "\U0001F310"},
        {std::u16string(1, char16_t{0xD800}) + u"x", "\uFFFDx"},
        {std::u16string(256, u'n'), std::string(256, 'n')},
    };
    for (const Case& c : cases) {
        IfRowFields fields;
        fields.name = c.units;
        EXPECT_EQ(OneRow(fields)->InterfaceName(), c.text) << c.text;
    }
}

TEST(IfTableParse, LastChangeIsADayCountUpToTheLastRepresentableDate) {
    EXPECT_EQ(LastChangeFromDays(0), 0.0);
    EXPECT_EQ(LastChangeFromDays(45000), 45000.0);
    EXPECT_EQ(LastChangeFromDays(2958465), 2958465.0);
    EXPECT_EQ(LastChangeFromDays(2958466), 0.0);
    EXPECT_EQ(LastChangeFromDays(0xFFFFFFFF), 0.0);
}

TEST(IfTableRead, ProbesThenFillsABufferOfExactlyTheProbedSize) {
    FakeGetIfTable call{MakeIfTableImage(std::vector<IfRowFields>(3))};
    InterfaceTable table;
    EXPECT_EQ(ReadIfTable(std::ref(call), table), TableReadResult::Ok);
    EXPECT_EQ(call.calls, 2);
    EXPECT_EQ(call.fillBufferSize, call.image.size());
    EXPECT_EQ(table.Count(), 3);
}

TEST(IfTableRead, FailuresLeaveTheCollectionEmpty) {
    struct Case {
        const char* what;
        std::uint32_t probeResult;
        std::optional<std::uint32_t> probeSize;
        std::uint32_t fillResult;
        TableReadResult result;
        int calls;
    } cases[] = {
        {"service missing", 50, {}, 0, TableReadResult::NotSupported, 1},
        {"fill fails", 122, {}, 31, TableReadResult::Failed, 2},
        {"probe reports no size", 122, 0, 0, TableReadResult::Failed, 1},
        {"probe reports an absurd size", 122, 0xFFFFFFF0, 0, TableReadResult::Failed, 1},
        {"table grew after the probe", 122, 100, 0, TableReadResult::Failed, 2},
        {"other probe errors go on", 87, {}, 0, TableReadResult::Ok, 2},
    };
    for (const Case& c : cases) {
        FakeGetIfTable call{MakeIfTableImage(std::vector<IfRowFields>(2))};
        call.probeResult = c.probeResult;
        call.probeSize = c.probeSize;
        call.fillResult = c.fillResult;
        InterfaceTable table;
        EXPECT_EQ(ReadIfTable(std::ref(call), table), c.result) << c.what;
        EXPECT_EQ(call.calls, c.calls) << c.what;
        EXPECT_EQ(table.Count(), c.result == TableReadResult::Ok ? 2 : 0) << c.what;
    }
}

TEST(IfTableRead, ASizeReportedBackLargerThanTheBufferIsIgnored) {
    FakeGetIfTable call{MakeIfTableImage(std::vector<IfRowFields>(2))};
    PutU32(call.image, 0, 50);
    call.sizeAfterFill = 0xFFFFFF00;
    InterfaceTable table;
    EXPECT_EQ(ReadIfTable(std::ref(call), table), TableReadResult::Ok);
    EXPECT_EQ(table.Count(), 2);
}

}  // namespace
}  // namespace bytelora
