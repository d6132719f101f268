#include <gtest/gtest.h>

#include "cli/UsageRig.h"

namespace bytelora::cli {
namespace {

using namespace std::chrono;
using bytelora::testing::Utc;
using testing::UsageRig;

// Application rows in the UTC hours of the given times.
void StoreApps(UsageRig& rig, const std::vector<AppUsageRow>& rows) {
    UsageStore store({rig.Environment().database, UsageStore::Mode::Record}, rig.clock, {});
    ASSERT_EQ(store.Add({}, rows, {"boot", {}}), StoreFault::None);
}

UsageHour Hour(int year, int month, int day, int hour) {
    return HourOf(Utc(year, month, day, hour));
}

TEST(UsageAppsCommand, SumsEachApplicationOverTheViewBusiestFirst) {
    UsageRig rig;
    rig.clock.SetNow(Utc(2024, 3, 5, 12));
    // Nothing recorded yet: an empty list, exit 0.
    EXPECT_EQ(rig.Run({"usage", "--apps", "--json"}), 0);
    EXPECT_EQ(rig.out.str(),
              "{\"unit\":\"bytes\",\"view\":\"days\",\"from\":\"2024-03-01\",\"to\":\"2024-03-05\","
              "\"applications\":[]}\n");

    StoreApps(rig, {{"/usr/bin/curl", "curl", Hour(2024, 3, 2, 10), 100, 10},
                    {"/usr/bin/curl", "Curl", Hour(2024, 3, 5, 11), 50, 5},
                    {"/opt/ff/firefox", "Fire\"fox", Hour(2024, 3, 5, 11), 1000, 100},
                    // Last month, and UTC 23:00 on 29 February is 1 March in Central Europe.
                    {"/usr/bin/wget", "wget", Hour(2024, 2, 20, 10), 7, 7},
                    {"/usr/bin/ssh", "ssh", Hour(2024, 2, 29, 23), 1, 1}});

    EXPECT_EQ(rig.Run({"usage", "--apps", "--json"}), 0);
    EXPECT_EQ(rig.out.str(),
              "{\"unit\":\"bytes\",\"view\":\"days\",\"from\":\"2024-03-01\",\"to\":\"2024-03-05\","
              "\"applications\":["
              "{\"name\":\"Fire\\\"fox\",\"executable\":\"/opt/ff/"
              "firefox\",\"received\":1000,\"sent\":100},"
              "{\"name\":\"Curl\",\"executable\":\"/usr/bin/curl\",\"received\":150,\"sent\":15},"
              "{\"name\":\"ssh\",\"executable\":\"/usr/bin/ssh\",\"received\":1,\"sent\":1}]}\n");

    // The last 24 hours hold only the 5th's.
    EXPECT_EQ(rig.Run({"usage", "--apps", "--hours", "--csv"}), 0);
    EXPECT_EQ(rig.out.str(),
              "name,executable,received,sent,total\r\n"
              "\"Fire\"\"fox\",\"/opt/ff/firefox\",1000,100,1100\r\n"
              "\"Curl\",\"/usr/bin/curl\",50,5,55\r\n");

    // Months take in February; --begin and --end pick days.
    EXPECT_EQ(rig.Run({"usage", "--apps", "--months", "--csv"}), 0);
    EXPECT_NE(rig.out.str().find("\"wget\",\"/usr/bin/wget\",7,7,14\r\n"), std::string::npos);
    EXPECT_EQ(
        rig.Run({"usage", "--apps", "--begin", "2024-03-02", "--end", "2024-03-02", "--json"}), 0);
    EXPECT_NE(rig.out.str().find(
                  "\"from\":\"2024-03-02\",\"to\":\"2024-03-02\",\"applications\":"
                  "[{\"name\":\"curl\",\"executable\":\"/usr/bin/curl\",\"received\":100,"),
              std::string::npos)
        << rig.out.str();

    EXPECT_EQ(rig.Run({"usage", "--apps"}), 0);
    EXPECT_EQ(rig.out.str().rfind("Application", 0), 0u);
    EXPECT_NE(rig.out.str().find("Fire\"fox"), std::string::npos);
    EXPECT_EQ(rig.Lines(), 5u);  // title, three applications, total
}

TEST(UsageAppsCommand, ANameCannotBecomeASpreadsheetFormulaAndWrongCombinationsAreRefused) {
    UsageRig rig;
    rig.clock.SetNow(Utc(2024, 3, 5, 12));
    StoreApps(rig, {{"/tmp/x", "=HYPERLINK(\"evil\")", Hour(2024, 3, 5, 9), 1, 0}});
    EXPECT_EQ(rig.Run({"usage", "--apps", "--csv"}), 0);
    EXPECT_NE(rig.out.str().find("\"'=HYPERLINK(\"\"evil\"\")\",\"/tmp/x\",1,0,1\r\n"),
              std::string::npos)
        << rig.out.str();

    for (const auto& args :
         std::vector<std::vector<std::string>>{{"usage", "--apps", "--top", "3"},
                                               {"usage", "--apps", "--limit"},
                                               {"usage", "--prometheus", "--apps"},
                                               {"usage", "--apps", "--interface", "eth0"},
                                               {"usage", "--apps", "--json", "--csv"}}) {
        EXPECT_FALSE(ParseCommandLine(args).options) << args.back();
    }
}

}  // namespace
}  // namespace bytelora::cli
