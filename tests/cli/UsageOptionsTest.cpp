// `usage` as scripts use it: its options, its errors and its exit codes.
#include <gtest/gtest.h>

#include "cli/UsageRig.h"

namespace bytelora::cli {
namespace {

using namespace std::chrono;
using bytelora::testing::Utc;
using testing::UsageRig;

std::string ErrorOf(const std::vector<std::string>& args) {
    const ParseResult parsed = ParseCommandLine(args);
    EXPECT_FALSE(parsed.options) << "accepted";
    return parsed.error;
}

TEST(UsageOptions, RefusesWhatCannotGoTogetherAndMalformedValues) {
    EXPECT_EQ(ErrorOf({"usage", "--hours", "--days"}), "--hours and --days cannot go together");
    EXPECT_EQ(ErrorOf({"usage", "--top", "3", "--months"}),
              "--top and --months cannot go together");
    EXPECT_EQ(ErrorOf({"usage", "--json", "--csv"}), "--json and --csv cannot go together");
    EXPECT_EQ(ErrorOf({"usage", "--limit", "--prometheus"}),
              "--limit and --prometheus cannot go together");
    EXPECT_EQ(ErrorOf({"usage", "--limit", "--json"}), "--limit and --json cannot go together");
    EXPECT_EQ(ErrorOf({"usage", "--end", "2024-03-01", "--prometheus"}),
              "--prometheus and --end cannot go together");
    EXPECT_EQ(ErrorOf({"usage", "--begin", "2024-03-02", "--end", "2024-03-01"}),
              "--begin is after --end");
    for (const char* date : {"2024-02-30", "2024-3-01", "20240301", "yesterday", ""})
        EXPECT_EQ(ErrorOf({"usage", "--begin", date}), "--begin needs a date as YYYY-MM-DD")
            << date;
    EXPECT_FALSE(ParseCommandLine({"usage", "--end"}).options);
    for (const char* count : {"0", "-1", "x", "3x", ""})
        EXPECT_EQ(ErrorOf({"usage", "--top", count}), "--top needs a number of days (1 or more)");
    EXPECT_FALSE(ParseCommandLine({"usage", "--top"}).options);

    // The same view twice is no conflict; the forms with "=" are the same options.
    const auto parsed = ParseCommandLine({"usage", "--days", "--days", "--begin=2024-02-29",
                                          "--end=2024-03-01", "--interface=eth0"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->begin, year{2024} / 2 / 29);
    EXPECT_EQ(parsed.options->end, year{2024} / 3 / 1);
    EXPECT_EQ(parsed.options->interfaceName, "eth0");
    const auto top = ParseCommandLine({"usage", "--top=7", "--json"});
    ASSERT_TRUE(top.options);
    EXPECT_EQ(top.options->view, UsageViewKind::Top);
    EXPECT_EQ(top.options->top, 7u);
    EXPECT_FALSE(ParseCommandLine({"log", "--textfile-dir"}).options);
    EXPECT_FALSE(ParseCommandLine({"watch", "--textfile-dir", "/tmp"}).options);
    EXPECT_EQ(ParseCommandLine({"log", "--textfile-dir=/var/lib/x"}).options->textfileDir,
              "/var/lib/x");
}

TEST(UsageOptions, HelpExitsZeroEvenBesideOtherOptions) {
    UsageRig rig;
    EXPECT_EQ(rig.Run({"usage", "--help"}), 0);
    EXPECT_NE(rig.out.str().find("--top N"), std::string::npos);
    EXPECT_EQ(rig.Run({"usage", "--hours", "--days", "-h"}), 0);
    EXPECT_FALSE(std::filesystem::exists(rig.Environment().database));
}

TEST(UsageOptions, AnUnknownInterfaceExitsOneNamingTheKnownOnes) {
    UsageRig rig;
    EXPECT_EQ(rig.Run({"usage", "--interface", "nosuch"}), 1);
    EXPECT_EQ(rig.err.str(),
              "bytelora-cli: the data usage has no interface 'nosuch'; it has none yet.\n");
    rig.Store("wlan0", rig.clock.Now(), 5);
    rig.Store("eth0", rig.clock.Now(), 5);
    for (const char* option : {"--json", "--limit", "--prometheus", "--years"}) {
        EXPECT_EQ(rig.Run({"usage", option, "--interface", "eth1"}), 1) << option;
        EXPECT_TRUE(rig.out.str().empty());
        EXPECT_EQ(rig.err.str(),
                  "bytelora-cli: the data usage has no interface 'eth1'; it has eth0, wlan0.\n");
    }
    EXPECT_EQ(rig.Run({"usage", "--interface", "eth0", "--csv"}), 0);
}

TEST(UsageOptions, HoursAreTheLast24AcrossMidnightAndDaysEndToday) {
    UsageRig rig;
    // 00:30 on 6 March in Central European time (UTC+1).
    rig.clock.SetNow(Utc(2024, 3, 5, 23) + minutes(30));
    rig.Store("eth0", Utc(2024, 3, 5, 0), 1);   // 01:00 on the 5th: 23.5 hours ago
    rig.Store("eth0", Utc(2024, 3, 4, 23), 7);  // midnight on the 5th: too long ago
    rig.Store("eth0", Utc(2024, 3, 5, 21), 2);  // 22:00 on the 5th
    rig.Store("eth0", Utc(2024, 3, 5, 23), 3);  // this hour
    EXPECT_EQ(rig.Run({"usage", "--hours", "--csv"}), 0);
    const std::string csv = rig.out.str();
    EXPECT_EQ(rig.Lines(), 25u);
    EXPECT_EQ(csv.find("hour,received,sent,total\r\n2024-03-05T01:00,1,2,3\r\n"), 0u) << csv;
    EXPECT_NE(csv.find("2024-03-05T22:00,2,4,6\r\n"), std::string::npos);
    EXPECT_NE(csv.find("2024-03-06T00:00,3,6,9\r\n"), std::string::npos);
    EXPECT_EQ(csv.find("2024-03-06T01:00"), std::string::npos);

    // The days of the month run to today and no further.
    EXPECT_EQ(rig.Run({"usage", "--csv"}), 0);
    EXPECT_EQ(rig.Lines(), 7u);
    EXPECT_NE(rig.out.str().find("2024-03-05,10,20,30\r\n2024-03-06,3,6,9\r\n"), std::string::npos)
        << rig.out.str();
    // An earlier day's hours.
    EXPECT_EQ(rig.Run({"usage", "--hours", "--end", "2024-03-04", "--csv"}), 0);
    EXPECT_EQ(rig.Lines(), 25u);
    EXPECT_NE(rig.out.str().find("2024-03-04T23:00,0,0,0\r\n"), std::string::npos);
}

TEST(UsageOptions, BeginAndEndPickTheDaysOfEveryViewAcrossAMonthBoundary) {
    UsageRig rig;
    rig.clock.SetNow(Utc(2024, 3, 20, 12));
    rig.Store("eth0", Utc(2024, 2, 27, 12), 1);
    rig.Store("eth0", Utc(2024, 2, 28, 12), 10);
    rig.Store("eth0", Utc(2024, 2, 29, 12), 20);
    rig.Store("wlan0", Utc(2024, 3, 1, 12), 40);
    rig.Store("eth0", Utc(2024, 3, 2, 12), 80);
    const std::vector<std::string> span{"--begin", "2024-02-28", "--end", "2024-03-01"};
    const auto run = [&](std::vector<std::string> args) {
        args.insert(args.begin(), "usage");
        args.insert(args.end(), span.begin(), span.end());
        return rig.Run(args);
    };
    EXPECT_EQ(run({"--csv"}), 0);
    EXPECT_EQ(rig.out.str(),
              "date,received,sent,total\r\n2024-02-28,10,20,30\r\n2024-02-29,20,40,60\r\n"
              "2024-03-01,40,80,120\r\n");
    EXPECT_EQ(run({"--hours", "--csv"}), 0);
    EXPECT_EQ(rig.Lines(), 1u + 3 * 24);
    EXPECT_EQ(run({"--months", "--csv"}), 0);
    EXPECT_EQ(rig.out.str(),
              "month,received,sent,total\r\n2024-02,31,62,93\r\n2024-03,120,240,360\r\n");
    EXPECT_EQ(run({"--years", "--csv"}), 0);
    EXPECT_EQ(rig.out.str(), "year,received,sent,total\r\n2024,151,302,453\r\n");
    EXPECT_EQ(run({"--top", "2", "--csv", "--interface", "eth0"}), 0);
    EXPECT_EQ(rig.out.str(),
              "date,received,sent,total\r\n2024-02-29,20,40,60\r\n2024-02-28,10,20,30\r\n");
    // An end in the future stops at today.
    EXPECT_EQ(rig.Run({"usage", "--begin", "2024-03-19", "--end", "2030-01-01", "--csv"}), 0);
    EXPECT_EQ(rig.Lines(), 3u);
}

TEST(UsageOptions, YearsAndTopCoverEverythingStored) {
    UsageRig rig;
    rig.clock.SetNow(Utc(2024, 3, 20, 12));
    rig.Store("eth0", Utc(2022, 12, 31, 22), 5);  // 23:00 local, still 2022
    rig.Store("eth0", Utc(2022, 12, 31, 23), 6);  // midnight local: 2023
    rig.Store("eth0", Utc(2024, 3, 1, 12), 9);
    rig.Store("eth0", Utc(2024, 3, 2, 12), 9);
    EXPECT_EQ(rig.Run({"usage", "--years", "--csv"}), 0);
    EXPECT_EQ(rig.out.str(),
              "year,received,sent,total\r\n2022,5,10,15\r\n2023,6,12,18\r\n2024,18,36,54\r\n");
    // Busiest first; of two equal days the earlier; days without traffic never.
    EXPECT_EQ(rig.Run({"usage", "--top", "10", "--json"}), 0);
    EXPECT_EQ(
        rig.out.str().find("{\n  \"unit\": \"bytes\",\n  \"top\": [\n"
                           "    {\"date\": \"2024-03-01\", \"received\": 9, \"sent\": 18},\n"
                           "    {\"date\": \"2024-03-02\", \"received\": 9, \"sent\": 18},\n"
                           "    {\"date\": \"2023-01-01\", \"received\": 6, \"sent\": 12},\n"
                           "    {\"date\": \"2022-12-31\", \"received\": 5, \"sent\": 10}\n  ],"),
        0u)
        << rig.out.str();
}

TEST(UsageOptions, LimitPrintsOneLineAndExitsOneOnceTheMonthReachesIt) {
    UsageRig rig;
    rig.clock.SetNow(Utc(2024, 3, 20, 12));
    rig.limit.monthStartDay = 15;
    EXPECT_EQ(rig.Run({"usage", "--limit"}), 0);
    EXPECT_EQ(rig.out.str(), "No monthly limit is set: 0 B used since 2024-03-15.\n");
    rig.limit.bytes = 3 * 1024 * 1024;
    rig.Store("eth0", Utc(2024, 3, 14, 12), 1024 * 1024);  // the month before
    rig.Store("eth0", Utc(2024, 3, 15, 12), 512 * 1024);
    EXPECT_EQ(rig.Run({"usage", "--limit"}), 0);
    EXPECT_EQ(rig.out.str(), "Within the monthly limit: 1.5 MB of 3.0 MB used since 2024-03-15.\n");
    rig.Store("wlan0", Utc(2024, 3, 16, 12), 512 * 1024);
    EXPECT_EQ(rig.Run({"usage", "--limit"}), 1);
    EXPECT_EQ(rig.out.str(),
              "The monthly limit is reached: 3.0 MB of 3.0 MB used since 2024-03-15.\n");
    EXPECT_TRUE(rig.err.str().empty());
    EXPECT_EQ(rig.Run({"usage", "--limit", "--interface", "eth0"}), 0);
}

TEST(UsageOptions, PrometheusPrintsTheAllTimeTotalsPerInterface) {
    UsageRig rig;
    EXPECT_EQ(rig.Run({"usage", "--prometheus"}), 0);
    EXPECT_EQ(rig.Lines(), 4u);
    rig.Store("eth0", Utc(2019, 1, 1, 0), 100);
    rig.Store("eth0", rig.clock.Now(), 1);
    rig.Store("wlan0", rig.clock.Now(), 7);
    EXPECT_EQ(rig.Run({"usage", "--prometheus"}), 0);
    EXPECT_EQ(rig.out.str(),
              "# HELP bytelora_received_bytes_total Bytes received on a counted interface since "
              "Bytelora began recording.\n"
              "# TYPE bytelora_received_bytes_total counter\n"
              "bytelora_received_bytes_total{interface=\"eth0\"} 101\n"
              "bytelora_received_bytes_total{interface=\"wlan0\"} 7\n"
              "# HELP bytelora_sent_bytes_total Bytes sent on a counted interface since Bytelora "
              "began recording.\n"
              "# TYPE bytelora_sent_bytes_total counter\n"
              "bytelora_sent_bytes_total{interface=\"eth0\"} 202\n"
              "bytelora_sent_bytes_total{interface=\"wlan0\"} 14\n");
    EXPECT_EQ(rig.Run({"usage", "--prometheus", "--interface", "wlan0"}), 0);
    EXPECT_EQ(rig.out.str().find("eth0"), std::string::npos);
}

}  // namespace
}  // namespace bytelora::cli
