#include <gtest/gtest.h>

#include "usage/UsageApps.h"

namespace bytelora {
namespace {

TEST(UsageApps, TheRecorderReadsOnlyItsOwnUsersProgramsGroupedByExecutable) {
    countd::Reply reply;
    reply.startedUnix = 77;
    reply.processes.push_back({1, 1, 1000, {100, 10}, "curl", "/usr/bin/curl", ""});
    reply.processes.push_back({2, 1, 1000, {5, 5}, "curl", "/usr/bin/curl", ""});
    reply.processes.push_back({3, 1, 0, {9000, 900}, "sshd", "/usr/sbin/sshd", ""});
    reply.processes.push_back({4, 1, 1000, {7, 0}, "kworker", "", ""});
    reply.exited.push_back({1000, {900, 90}, "/usr/bin/curl"});
    reply.exited.push_back({0, {1, 1}, "/usr/bin/curl"});
    reply.untagged = countd::ByteCounts{3, 3};
    const countd::AppNames none({}, {});

    const AppCounterRead mine = AppCounterReadOf(reply, 1000u, none);
    EXPECT_EQ(mine.startedUnix, 77);
    ASSERT_EQ(mine.byExecutable.size(), 2u);
    EXPECT_EQ(mine.byExecutable.at("/usr/bin/curl").bytes, (CounterPair{1005, 105}));
    EXPECT_EQ(mine.byExecutable.at("/usr/bin/curl").name, "curl");
    // A program the kernel gave no executable keeps its own key.
    EXPECT_EQ(mine.byExecutable.at("[kworker]").bytes, (CounterPair{7, 0}));

    const AppCounterRead all = AppCounterReadOf(reply, std::nullopt, none);
    EXPECT_EQ(all.byExecutable.at("/usr/bin/curl").bytes, (CounterPair{1006, 106}));
    EXPECT_EQ(all.byExecutable.count("/usr/sbin/sshd"), 1u);

    // A counter that does not answer is no look at all, and no desktop entry is read for
    // it; the names are made once, at the first answer.
    bool answers = false;
    int namesMade = 0;
    const AppCounter counter = AppCounterOf(
        [&] {
            return answers ? countd::FetchResult{reply, {}}
                           : countd::FetchResult{std::nullopt, "not running"};
        },
        [&] {
            ++namesMade;
            return countd::AppNames({}, {});
        });
    EXPECT_FALSE(counter());
    EXPECT_EQ(namesMade, 0);
    answers = true;
    ASSERT_TRUE(counter());
    EXPECT_TRUE(counter()->byExecutable.contains("/usr/bin/curl"));
    EXPECT_EQ(namesMade, 1);
    EXPECT_FALSE(AppCounterOf(nullptr, [] { return countd::AppNames({}, {}); }));
}

TEST(UsageApps, RowsAreSummedPerApplicationBusiestFirstWithTheLatestName) {
    const std::vector<AppUsageRow> rows = {
        {"/usr/bin/curl", "curl", 10, 100, 1},
        {"/opt/ff/firefox", "Firefox", 10, 50, 50},
        {"/usr/bin/curl", "Curl", 12, 5, 0},
        {"/usr/bin/wget", "wget", 11, 60, 40},  // as busy as firefox: by name
        {"/usr/bin/curl", "old", 11, 0, 0},
    };
    EXPECT_EQ(SumByApplication(rows), (std::vector<AppTotal>{{"Curl", "/usr/bin/curl", 105, 1},
                                                             {"Firefox", "/opt/ff/firefox", 50, 50},
                                                             {"wget", "/usr/bin/wget", 60, 40}}));
    EXPECT_TRUE(SumByApplication({}).empty());
}

}  // namespace
}  // namespace bytelora
