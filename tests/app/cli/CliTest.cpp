#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/cli/CliOptions.h"
#include "app/cli/Commands.h"
#include "netstats/InterfaceText.h"
#include "support/FakeInterfaceTable.h"

namespace bytelora::cli {
namespace {

using bytelora::InterfaceTypeText;
using bytelora::OperationalStatusText;

struct ParseCase {
    std::vector<std::string> args;
    bool valid;
    Command command;
    std::string every;
    std::vector<std::string> interfaces = {};
};

class ParseCommandLineTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseCommandLineTest, AcceptsTheCommandsAndRefusesEverythingElse) {
    const ParseCase& c = GetParam();
    const ParseResult result = ParseCommandLine(c.args);
    ASSERT_EQ(result.options.has_value(), c.valid) << result.error;
    if (!c.valid) {
        EXPECT_FALSE(result.error.empty());
        return;
    }
    EXPECT_EQ(result.options->command, c.command);
    EXPECT_EQ(result.options->every.value_or(""), c.every);
    EXPECT_EQ(result.options->interfaces, c.interfaces);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseCommandLineTest,
    ::testing::Values(
        ParseCase{{"interfaces"}, true, Command::Interfaces, ""},
        ParseCase{{"watch"}, true, Command::Watch, ""}, ParseCase{{"log"}, true, Command::Log, ""},
        ParseCase{
            {"log", "--every", "Log every 1 minute"}, true, Command::Log, "Log every 1 minute"},
        ParseCase{{"log", "--every=Log every 24 hours"}, true, Command::Log, "Log every 24 hours"},
        ParseCase{{"--help"}, true, Command::Help, ""},
        ParseCase{{"--version"}, true, Command::Version, ""},
        ParseCase{{}, false, Command::Help, ""}, ParseCase{{"bogus"}, false, Command::Help, ""},
        ParseCase{{"watch", "--every", "Log every 1 minute"}, false, Command::Help, ""},
        ParseCase{{"interfaces", "-x"}, false, Command::Help, ""},
        ParseCase{{"log", "--every"}, false, Command::Help, ""},
        ParseCase{{"log", "--every", "log every 1 minute"}, false, Command::Help, ""},
        ParseCase{{"log", "--every", "60"}, false, Command::Help, ""},
        ParseCase{{"watch", "--interface", "eth0", "--interface=wlan 0"},
                  true,
                  Command::Watch,
                  "",
                  {"eth0", "wlan 0"}},
        ParseCase{{"log", "--interface", "eth0", "--every", "Log every 1 minute"},
                  true,
                  Command::Log,
                  "Log every 1 minute",
                  {"eth0"}},
        ParseCase{{"watch", "--interface"}, false, Command::Help, ""},
        ParseCase{{"watch", "--interface="}, false, Command::Help, ""},
        ParseCase{{"interfaces", "--interface", "eth0"}, false, Command::Help, ""}));

TEST(UsageText, NamesEveryCommandAndInterval) {
    const std::string usage = UsageText();
    for (const char* word : {"interfaces", "watch", "log", "apps", "--every", "--interface", "--help",
                             "--version", "\"Log every 1 second\"", "\"Log every 24 hours\""}) {
        EXPECT_NE(usage.find(word), std::string::npos) << word;
    }
}

TEST(ListInterfaces, ListsEveryRowAndTotalsOnlyTheCountedOnes) {
    testing::FakeInterfaceTable table;
    table.AddRow("lo", 1, kIfTypeLoopback, 5000, 5000).OperationalStatus(4);
    table.AddRow("eth0", 2, kIfTypeEthernet, 1234, 567);
    table.AddRow("wlan0", 3, kIfTypeWireless, 100, 10).OperationalStatus(kIfStatusDown);
    std::ostringstream out, err;

    EXPECT_EQ(ListInterfaces(table, {}, out, err), 0);

    const std::string text = out.str();
    EXPECT_NE(text.find("loopback  unknown"), std::string::npos) << text;
    EXPECT_NE(text.find("wireless  down"), std::string::npos) << text;
    // The loopback row is listed but marked as not counted, and stays out of the totals.
    EXPECT_NE(text.find("5000  no (loopback)\n"), std::string::npos) << text;
    EXPECT_NE(text.find("567  yes (every interface)\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Total received: 1334 bytes\nTotal sent: 577 bytes\n"), std::string::npos)
        << text;
    EXPECT_TRUE(err.str().empty());

    // With a choice of names, only those count.
    std::ostringstream chosen;
    EXPECT_EQ(ListInterfaces(table, {"wlan0", "eth9"}, chosen, err), 0);
    EXPECT_NE(chosen.str().find("567  no (not chosen)\n"), std::string::npos) << chosen.str();
    EXPECT_NE(chosen.str().find("10  yes (chosen)\n"), std::string::npos) << chosen.str();
    EXPECT_NE(chosen.str().find("Total received: 100 bytes\n"), std::string::npos);
}

TEST(ListInterfaces, ReportsAMissingTableService) {
    testing::FakeInterfaceTable table;
    table.SetResult(TableReadResult::NotSupported);
    std::ostringstream out, err;

    EXPECT_EQ(ListInterfaces(table, {}, out, err), 0);

    EXPECT_EQ(err.str(), "IP Helper is not supported by this system.\n");
    EXPECT_NE(out.str().find("Total received: 0 bytes"), std::string::npos);
}

TEST(InterfaceText, NamesTypesAndStatesAndShowsUnknownOnesAsNumbers) {
    EXPECT_EQ(InterfaceTypeText(kIfTypeTunnel), "tunnel");
    EXPECT_EQ(InterfaceTypeText(999), "type 999");
    EXPECT_EQ(OperationalStatusText(7), "lowerlayerdown");
    EXPECT_EQ(OperationalStatusText(0), "status 0");
    EXPECT_EQ(OperationalStatusText(8), "status 8");
}

}  // namespace
}  // namespace bytelora::cli
