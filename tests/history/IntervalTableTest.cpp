#include "history/IntervalTable.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace bytelora {
namespace {

TEST(IntervalTable, EveryEntryTextGivesItsSecondsAndPosition) {
    struct Expected {
        int position;
        const char* text;
        std::int32_t seconds;
    };
    const Expected table[] = {
        {1, "Log every 1 second", 1},      {2, "Log every 5 seconds", 5},
        {3, "Log every 10 seconds", 10},   {4, "Log every 30 seconds", 30},
        {5, "Log every 1 minute", 60},     {6, "Log every 5 minutes", 300},
        {7, "Log every 10 minutes", 600},  {8, "Log every 30 minutes", 1800},
        {9, "Log every 1 hour", 3600},     {10, "Log every 6 hours", 21600},
        {11, "Log every 12 hours", 43200}, {12, "Log every 24 hours", 86400},
    };
    ASSERT_EQ(kIntervalTable.size(), std::size(table));
    for (const Expected& row : table) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(IntervalSeconds(row.text), row.seconds);
        EXPECT_EQ(IntervalPosition(row.text), row.position);
        EXPECT_EQ(IntervalAt(row.position).text, row.text);
        EXPECT_EQ(IntervalAt(row.position).seconds, row.seconds);
    }
}

TEST(IntervalTable, DefaultIsEveryFiveSeconds) {
    EXPECT_EQ(std::to_string(kDefaultIntervalPosition), kOftenIndexDefault);
    EXPECT_EQ(IntervalSeconds(IntervalAt(kDefaultIntervalPosition).text), 5);
}

TEST(IntervalTable, OnlyTheExactWholeTextMatches) {
    for (const char* text :
         {"", "log every 5 seconds", "Log every 5 seconds ", " Log every 5 seconds",
          "Log every 5 second", "Log every 5", "Log every 5 seconds\n", "LOG EVERY 1 HOUR"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(IntervalSeconds(text), 0);
        EXPECT_EQ(IntervalPosition(text), 0);
    }
}

TEST(IntervalTable, PositionsOutsideTheTableAreRefused) {
    for (int position : {-1, 0, 13, 60}) {
        SCOPED_TRACE(position);
        EXPECT_FALSE(IsIntervalPosition(position));
        EXPECT_THROW(IntervalAt(position), std::out_of_range);
    }
    EXPECT_TRUE(IsIntervalPosition(1));
    EXPECT_TRUE(IsIntervalPosition(12));
}

}  // namespace
}  // namespace bytelora
