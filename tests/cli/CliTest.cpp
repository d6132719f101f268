#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/Commands.h"
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
    for (const char* word :
         {"interfaces", "watch", "log", "apps", "--every", "--interface", "--help", "--version",
          "\"Log every 1 second\"", "\"Log every 24 hours\""}) {
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
    EXPECT_NE(text.find("loopback  " + OperationalStatusText(4)), std::string::npos) << text;
    EXPECT_NE(text.find("wireless  " + OperationalStatusText(kIfStatusDown)), std::string::npos)
        << text;
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

TEST(InterfaceText, NamesTypesAndEachSystemsStatesAndShowsUnknownOnesAsNumbers) {
    EXPECT_EQ(InterfaceTypeText(kIfTypeTunnel), "tunnel");
    EXPECT_EQ(InterfaceTypeText(999), "type 999");
    EXPECT_EQ(bytelora::Rfc2863StatusText(1), "up");
    EXPECT_EQ(bytelora::Rfc2863StatusText(5), "dormant");
    EXPECT_EQ(bytelora::Rfc2863StatusText(7), "lowerlayerdown");
    EXPECT_EQ(bytelora::Rfc2863StatusText(0), "status 0");
    EXPECT_EQ(bytelora::Rfc2863StatusText(8), "status 8");
    // The IP Helper table's own values: a working adapter is "operational", not
    // "dormant", and one that is down is "non-operational", not a number.
    EXPECT_EQ(bytelora::IpHelperStatusText(0), "non-operational");
    EXPECT_EQ(bytelora::IpHelperStatusText(2), "disconnected");
    EXPECT_EQ(bytelora::IpHelperStatusText(4), "connected");
    EXPECT_EQ(bytelora::IpHelperStatusText(5), "operational");
    EXPECT_EQ(bytelora::IpHelperStatusText(6), "status 6");
#ifdef _WIN32
    EXPECT_EQ(OperationalStatusText(5), "operational");
#else
    EXPECT_EQ(OperationalStatusText(5), "dormant");
#endif
}

TEST(ListInterfaces, NamesInterfacesByTheirAliasAndTakesItForAChoice) {
    testing::FakeInterfaceTable table;
    const std::string key = "\\DEVICE\\TCPIP_{00000002-0000-0000-0000-4E6574446576}";
    table.AddRow(key, 2, kIfTypeEthernet, 1234, 567).Alias("Ethernet");
    table.Row(0).InterfaceDescription("Ethernet");  // nothing more to say beside the alias
    table.AddRow("wlan0", 3, kIfTypeWireless, 100, 10);
    std::ostringstream out, err;
    EXPECT_EQ(ListInterfaces(table, {"Ethernet"}, out, err), 0);
    const std::string text = out.str();
    EXPECT_EQ(text.find("TCPIP"), std::string::npos) << text;
    EXPECT_NE(text.find("\n2     Ethernet          ethernet  "), std::string::npos) << text;
    EXPECT_NE(text.find("567  yes (chosen)\n"), std::string::npos) << text;
    EXPECT_NE(text.find("10  no (not chosen)\n"), std::string::npos) << text;

    // The adapter's description ends the line, in a column of its own.
    table.Row(0).InterfaceDescription("Intel(R) PRO/1000 MT");
    std::ostringstream described;
    EXPECT_EQ(ListInterfaces(table, {"Ethernet"}, described, err), 0);
    EXPECT_NE(described.str().find("  Counted          Description\n"), std::string::npos)
        << described.str();
    EXPECT_NE(described.str().find("567  yes (chosen)     Intel(R) PRO/1000 MT\n"),
              std::string::npos)
        << described.str();
    EXPECT_NE(described.str().find("10  no (not chosen)\n"), std::string::npos) << described.str();

    // A long alias widens the column instead of running into the next.
    testing::FakeInterfaceTable wide;
    wide.AddRow(key, 2, kIfTypeEthernet, 1, 1).Alias("Ethernet 2 (USB dock, office)");
    wide.Row(0).InterfaceDescription("");
    std::ostringstream listed;
    EXPECT_EQ(ListInterfaces(wide, {}, listed, err), 0);
    EXPECT_NE(listed.str().find("Ethernet 2 (USB dock, office)  ethernet"), std::string::npos)
        << listed.str();
}

TEST(InterfaceText, LabelsAreTheAliasWithTheDescriptionBeside) {
    InterfaceRow row;
    row.InterfaceName("eth0");
    EXPECT_EQ(bytelora::InterfaceLabelWithDescription(row), "eth0");
    row.InterfaceDescription("eth0");
    EXPECT_EQ(bytelora::InterfaceLabelWithDescription(row), "eth0");
    row.InterfaceName("\\DEVICE\\TCPIP_{1}");
    row.Alias("Wi-Fi");
    row.InterfaceDescription("Intel(R) Wi-Fi 6 AX201 160MHz");
    EXPECT_EQ(bytelora::InterfaceLabel(row), "Wi-Fi");
    EXPECT_EQ(bytelora::InterfaceLabelWithDescription(row),
              "Wi-Fi (Intel(R) Wi-Fi 6 AX201 160MHz)");
    EXPECT_TRUE(bytelora::NamesInterface("Wi-Fi", row));
    EXPECT_TRUE(bytelora::NamesInterface("\\DEVICE\\TCPIP_{1}", row));
    EXPECT_FALSE(bytelora::NamesInterface("wi-fi", row));
    row.Alias("");
    EXPECT_FALSE(bytelora::NamesInterface("", row));
}

}  // namespace
}  // namespace bytelora::cli
