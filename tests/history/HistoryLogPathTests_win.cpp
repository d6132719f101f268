#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "history/HistoryLog.h"

namespace bytelora {
namespace {

EnvironmentLookup Environment(std::map<std::string, std::string> values) {
    return [values](const std::string& name) -> std::optional<std::string> {
        const auto found = values.find(name);
        if (found == values.end()) {
            return std::nullopt;
        }
        return found->second;
    };
}

TEST(HistoryLogPath, IsTheFileNameInTemp) {
    EXPECT_EQ(HistoryLogPath(Environment({{"TEMP", "C:\\Temp"}})), "C:\\Temp\\Bytelora.txt");
}

TEST(HistoryLogPath, WithoutTempItIsAtTheRootOfTheDrive) {
    EXPECT_EQ(HistoryLogPath(Environment({})), "\\Bytelora.txt");
    EXPECT_EQ(HistoryLogPath(Environment({{"TEMP", ""}})), "\\Bytelora.txt");
}

}  // namespace
}  // namespace bytelora
