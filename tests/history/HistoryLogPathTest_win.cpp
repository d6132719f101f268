#include <gtest/gtest.h>

#include <string>

#include "history/HistoryLog.h"
#include "support/EnvironmentMap.h"

namespace bytelora {
namespace {

using testing::EnvironmentOf;

TEST(HistoryLogPath, IsTheFileNameInTempOrElseAtTheRootOfTheDrive) {
    EXPECT_EQ(HistoryLogPath(EnvironmentOf({{"TEMP", "C:\\Temp"}})), "C:\\Temp\\Bytelora.txt");
    EXPECT_EQ(HistoryLogPath(EnvironmentOf({})), "\\Bytelora.txt");
    EXPECT_EQ(HistoryLogPath(EnvironmentOf({{"TEMP", ""}})), "\\Bytelora.txt");
}

}  // namespace
}  // namespace bytelora
