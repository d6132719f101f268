#include <gtest/gtest.h>

#include <fstream>

#include "cli/UsageRig.h"

namespace bytelora::cli {
namespace {

using namespace std::chrono;
using bytelora::testing::Utc;
using testing::UsageRig;

TEST(UsageCommand, ParsesItsOptions) {
    const auto parsed = ParseCommandLine({"usage", "--months", "--interface", "wlan0", "--csv"});
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->command, Command::Usage);
    EXPECT_EQ(parsed.options->view, UsageViewKind::Months);
    EXPECT_EQ(parsed.options->interfaceName, "wlan0");
    EXPECT_EQ(parsed.options->format, UsageFormat::Csv);
    const auto defaults = ParseCommandLine({"usage"});
    ASSERT_TRUE(defaults.options);
    EXPECT_EQ(defaults.options->view, UsageViewKind::Days);
    EXPECT_EQ(defaults.options->format, UsageFormat::Table);
    EXPECT_FALSE(ParseCommandLine({"usage", "--interface"}).options);
    EXPECT_FALSE(ParseCommandLine({"usage", "--weeks"}).options);
    EXPECT_FALSE(ParseCommandLine({"watch", "--json"}).options);
}

TEST(UsageCommand, PrintsRecordedDaysAsJsonAndCsvAndAnEmptyViewWithoutADatabase) {
    UsageRig rig;
    rig.clock.SetNow(Utc(2024, 3, 5, 12));
    EXPECT_EQ(rig.Run({"usage", "--json", "--hours"}), 0);
    EXPECT_EQ(rig.out.str().rfind("{\n  \"unit\": \"bytes\",\n  \"hours\": [\n    {", 0), 0u);
    EXPECT_NE(rig.out.str().find("\"hour\": \"2024-03-05T00:00\", \"received\": 0"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(rig.Environment().database));

    {
        UsageSession session(rig.Environment(), rig.clock,
                             [](const std::string& text) { ADD_FAILURE() << text; });
        ASSERT_TRUE(session.Recording());
        session.Record({{"eth0", 0, 0, 1000, 2000}, {"wlan0", 0, 0, 10, 20}});
        session.Record({{"eth0", 300, 30, 1300, 2030}, {"wlan0", 5, 6, 15, 26}});
        rig.clock.Advance(hours(24));
        session.Record({{"eth0", 700, 70, 2000, 2100}, {"wlan0", 0, 0, 15, 26}});
    }
    EXPECT_EQ(rig.Run({"usage", "--json"}), 0);
    EXPECT_NE(rig.out.str().find("{\"date\": \"2024-03-05\", \"received\": 305, \"sent\": 36}"),
              std::string::npos)
        << rig.out.str();
    EXPECT_NE(rig.out.str().find("    \"wlan0\": [\n      {\"date\": \"2024-03-01\""),
              std::string::npos);
    EXPECT_EQ(rig.Run({"usage", "--csv", "--interface", "eth0"}), 0);
    EXPECT_NE(rig.out.str().find("2024-03-05,300,30,330\r\n2024-03-06,700,70,770\r\n"),
              std::string::npos);
    EXPECT_EQ(rig.Run({"usage", "--months", "--csv"}), 0);
    EXPECT_NE(rig.out.str().find("2024-03,1005,106,1111\r\n"), std::string::npos);
    // Months that start on the 6th put the 6th into the next one.
    rig.limit.monthStartDay = 6;
    EXPECT_EQ(rig.Run({"usage", "--months", "--csv"}), 0);
    EXPECT_NE(rig.out.str().find("2024-02,305,36,341\r\n2024-03,700,70,770\r\n"),
              std::string::npos);
    rig.limit.monthStartDay = 1;
    EXPECT_EQ(rig.Run({"usage"}), 0);
    EXPECT_NE(rig.out.str().find("2024-03-06"), std::string::npos);
    EXPECT_NE(rig.out.str().find("770 B"), std::string::npos);
}

TEST(UsageCommand, ADamagedDatabaseExitsWithOneAndChangesNothing) {
    UsageRig rig;
    std::ofstream(rig.Environment().database, std::ios::binary) << std::string(4096, 'z');
    EXPECT_EQ(rig.Run({"usage", "--json"}), 1);
    EXPECT_TRUE(rig.out.str().empty());
    EXPECT_NE(rig.err.str().find(rig.Environment().database.string()), std::string::npos);
    EXPECT_EQ(std::filesystem::file_size(rig.Environment().database), 4096u);
}

TEST(UsageCommand, KeepsTheHistoryOfARenamedAliasAndSelectsByIt) {
    UsageRig rig;
    rig.clock.SetNow(bytelora::testing::Utc(2024, 3, 5, 12));
    const std::string key = "\\DEVICE\\TCPIP_{7}";
    const auto table = [&](const std::string& alias) {
        InterfaceTable rows;
        auto row = std::make_shared<InterfaceRow>();
        row->InterfaceName(key);
        row->Alias(alias);
        rows.Add(row);
        return rows;
    };
    {
        UsageSession session(rig.Environment(), rig.clock, {});
        session.Record({{key, 0, 0, 1000, 2000}, {"wlan0", 0, 0, 0, 0}});
        session.NameInterfaces(table("Ethernet"));
        session.Record({{key, 300, 30, 1300, 2030}, {"wlan0", 9, 9, 9, 9}});
    }
    EXPECT_EQ(rig.Run({"usage", "--months", "--csv", "--interface", "Ethernet"}), 0);
    EXPECT_TRUE(rig.out.str().ends_with("\n2024-03,300,30,330\r\n")) << rig.out.str();
    {
        // Renamed: the hours stay with the key, and the JSON names the new alias.
        UsageSession session(rig.Environment(), rig.clock, {});
        session.Record({{key, 0, 0, 1300, 2030}});
        session.NameInterfaces(table("LAN"));
        session.Record({{key, 1, 1, 1301, 2031}});
    }
    EXPECT_EQ(rig.Run({"usage", "--months", "--json", "--interface", "LAN"}), 0);
    EXPECT_NE(rig.out.str().find("{\"month\": \"2024-03\", \"received\": 301, \"sent\": 31}\n  ]"),
              std::string::npos)
        << rig.out.str();
    EXPECT_NE(rig.out.str().find("  \"aliases\": {\n    \"\\\\DEVICE\\\\TCPIP_{7}\": \"LAN\"\n  }"),
              std::string::npos)
        << rig.out.str();
    // The old alias names nothing any more.
    EXPECT_EQ(rig.Run({"usage", "--months", "--csv", "--interface", "Ethernet"}), 1);
    EXPECT_TRUE(rig.out.str().empty()) << rig.out.str();
}

TEST(UsageCommand, DamageInsideTheFileIsToldInOneSentence) {
    UsageRig rig;
    {
        UsageSession session(rig.Environment(), rig.clock, {});
        session.Record({{"eth0", 0, 0, 1000, 2000}});
        session.Record({{"eth0", 300, 30, 1300, 2030}});
    }
    // The header stays sound; the pages after it are garbage.
    const auto size = std::filesystem::file_size(rig.Environment().database);
    ASSERT_GT(size, 4096u);
    {
        std::fstream file(rig.Environment().database,
                          std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(4096);
        file << std::string(size - 4096, 'z');
    }
    EXPECT_EQ(rig.Run({"usage", "--json"}), 1);
    EXPECT_EQ(rig.err.str(), "bytelora-cli: the data usage database " +
                                 rig.Environment().database.string() +
                                 " cannot be read: database disk image is malformed. Bytelora "
                                 "moves it aside and starts a new one when it next records.\n");
}

}  // namespace
}  // namespace bytelora::cli
