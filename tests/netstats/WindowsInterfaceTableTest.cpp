#include <gtest/gtest.h>

#include "netstats/CIpHelper.h"
#include "netstats/InterfaceTableSource.h"
#include "netstats/LinkSpeed.h"

namespace bytelora {
namespace {

TEST(WindowsInterfaceTable, ReadsTheIpHelperTable) {
    auto source = MakeSystemInterfaceTable();
    EXPECT_EQ(source->CounterBits(), 32u);
    CInterfaces table;
    ASSERT_EQ(source->Read(table), TableReadResult::Ok);
    ASSERT_GT(table.Count(), 0);
    bool loopback = false;
    for (const auto& row : table) {
        EXPECT_NE(row->InterfaceIndex(), 0u);
        EXPECT_EQ(LinkSpeedBitsPerSecond(*row), row->Speed());
        loopback = loopback || row->InterfaceType() == kIfTypeLoopback;
    }
    EXPECT_TRUE(loopback);
}

}  // namespace
}  // namespace bytelora
