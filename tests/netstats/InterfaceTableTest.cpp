#include "netstats/InterfaceTable.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace bytelora {
namespace {

InterfaceTable::Record Named(const std::string& name) {
    auto record = std::make_shared<InterfaceRow>();
    record->InterfaceName(name);
    return record;
}

TEST(InterfaceTable, AddEmptiesTheCallersReferenceAndAppendsAtTheEnd) {
    InterfaceTable table;
    auto first = Named("first");
    table.Add(first);
    auto second = Named("second");
    InterfaceRow* const added = second.get();

    auto returned = table.Add(second);

    EXPECT_EQ(second, nullptr);
    EXPECT_EQ(table.Count(), 2);
    EXPECT_EQ(returned.get(), added);
    EXPECT_EQ(table.Item(table.Count()).get(), added);
    EXPECT_EQ(table.Item(1)->InterfaceName(), "first");
}

TEST(InterfaceTable, PositionsOutsideTheCollectionThrow) {
    InterfaceTable table;
    EXPECT_EQ(table.Count(), 0);
    EXPECT_THROW(table.Item(1), std::out_of_range);
    EXPECT_THROW(table.Remove(1), std::out_of_range);

    auto record = Named("only");
    table.Add(record);
    for (std::int32_t position : {0, -1, 2}) {
        EXPECT_THROW(table.Item(position), std::out_of_range) << position;
        EXPECT_THROW(table.Remove(position), std::out_of_range) << position;
    }
    EXPECT_EQ(table.Count(), 1);
}

TEST(InterfaceTable, RemoveMovesLaterRecordsUpAndIterationFollowsPositions) {
    InterfaceTable table;
    for (const char* name : {"a", "b", "c"}) {
        auto record = Named(name);
        table.Add(record);
    }
    table.Remove(2);

    ASSERT_EQ(table.Count(), 2);
    EXPECT_EQ(table.Item(2)->InterfaceName(), "c");
    std::string order;
    for (const auto& record : table) order += record->InterfaceName();
    EXPECT_EQ(order, "ac");
}

TEST(InterfaceRow, StartsEmpty) {
    const InterfaceRow row;
    EXPECT_EQ(row.InterfaceName(), "");
    EXPECT_EQ(row.InterfaceDescription(), "");
    EXPECT_EQ(row.AdapterAddress(), "");
    EXPECT_EQ(row.OctetsReceived(), 0u);
    EXPECT_EQ(row.OctetsSent(), 0u);
    EXPECT_EQ(row.InterfaceIndex(), 0u);
    EXPECT_EQ(row.MaximumTransmissionUnit(), 0u);
    EXPECT_EQ(row.LastChange(), 0.0);
}

}  // namespace
}  // namespace bytelora
