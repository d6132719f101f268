#include <gtest/gtest.h>

#include "support/UsageZones.h"
#include "usage/UsageView.h"

namespace bytelora {
namespace {

using namespace std::chrono;
using testing::CentralEuropeanZone;
using testing::Utc;

// One byte received and two sent per interface per hour, from `from` for `count` hours.
std::vector<UsageRow> EveryHour(system_clock::time_point from, int count,
                                std::vector<std::string> names = {"eth0"}) {
    std::vector<UsageRow> rows;
    for (int i = 0; i < count; ++i) {
        for (const auto& name : names) rows.push_back({name, HourOf(from) + i, 1, 2});
    }
    return rows;
}

TEST(UsageCalendar, HoursAreUtcAndDaysAreLocalAcrossBothClockChanges) {
    const LocalZone zone = CentralEuropeanZone();
    EXPECT_EQ(HourOf(Utc(1970, 1, 1, 5) + minutes(59)), 5);
    EXPECT_EQ(HourOf(Utc(1969, 12, 31, 23) + minutes(30)), -1);
    EXPECT_EQ(HoursOfLocalDay(year{2024} / 3 / 30, zone).size(), 24u);
    EXPECT_EQ(HoursOfLocalDay(year{2024} / 3 / 31, zone).size(), 23u);
    EXPECT_EQ(HoursOfLocalDay(year{2024} / 10 / 27, zone).size(), 25u);
    // Local midnight of 31 March is 23:00 UTC the day before.
    EXPECT_EQ(HoursOfLocalDay(year{2024} / 3 / 31, zone).front(), HourOf(Utc(2024, 3, 30, 23)));

    // Every hour of March to November: each day's sum is its number of hours.
    const auto rows = EveryHour(Utc(2024, 2, 29, 0), 24 * 280);
    for (const auto& [now, day, hoursThatDay] :
         {std::tuple{Utc(2024, 3, 31, 12), 30, 23}, std::tuple{Utc(2024, 10, 27, 12), 26, 25},
          std::tuple{Utc(2024, 10, 28, 12), 27, 24}}) {
        const UsageView days = BuildView({UsageViewKind::Days, now, 1, {}}, rows, zone);
        ASSERT_GT(days.total.size(), static_cast<std::size_t>(day));
        EXPECT_EQ(days.total[static_cast<std::size_t>(day)].received,
                  static_cast<std::uint64_t>(hoursThatDay));
        const UsageView today = BuildView({UsageViewKind::Hours, now, 1, {}}, rows, zone);
        EXPECT_EQ(today.total.size(), static_cast<std::size_t>(hoursThatDay));
    }
    // The 25-hour day shows its repeated hour twice, in order.
    const UsageView autumn =
        BuildView({UsageViewKind::Hours, Utc(2024, 10, 27, 12), 1, {}}, rows, zone);
    EXPECT_EQ(autumn.total[2].label, "2024-10-27T02:00");
    EXPECT_EQ(autumn.total[3].label, "2024-10-27T02:00");
    EXPECT_EQ(autumn.total[24].label, "2024-10-27T23:00");
}

TEST(UsageCalendar, AccountingMonthsStartOnTheChosenDay) {
    EXPECT_EQ(PeriodContaining(year{2024} / 3 / 5, 1),
              (AccountingPeriod{year{2024} / 3 / 1, year{2024} / 4 / 1}));
    EXPECT_EQ(PeriodContaining(year{2024} / 3 / 5, 15),
              (AccountingPeriod{year{2024} / 2 / 15, year{2024} / 3 / 15}));
    EXPECT_EQ(PeriodContaining(year{2024} / 3 / 15, 15),
              (AccountingPeriod{year{2024} / 3 / 15, year{2024} / 4 / 15}));
    EXPECT_EQ(PeriodContaining(year{2024} / 1 / 10, 28),
              (AccountingPeriod{year{2023} / 12 / 28, year{2024} / 1 / 28}));
    // Out of range falls back to the first.
    EXPECT_EQ(PeriodContaining(year{2024} / 1 / 10, 31).first, year{2024} / 1 / 1);
    EXPECT_EQ(DaysOf(PeriodContaining(year{2024} / 2 / 20, 15)).size(), 29u);

    const LocalZone zone = CentralEuropeanZone();
    // Rows for two interfaces over 2023 and 2024; months start on the 15th.
    const auto rows = EveryHour(Utc(2023, 1, 1, 0), 24 * 730, {"eth0", "wlan0"});
    const ViewRequest request{UsageViewKind::Months, Utc(2024, 12, 20, 12), 15, {}};
    const UsageView months = BuildView(request, rows, zone);
    ASSERT_EQ(months.total.size(), 24u);
    EXPECT_EQ(months.total.back().label, "2024-12");
    EXPECT_EQ(months.total.front().label, "2023-01");
    // 15 Feb to 15 Mar 2024 (29 days; the spring change is later): 696 hours x 2 interfaces.
    EXPECT_EQ(months.total[13].label, "2024-02");
    EXPECT_EQ(months.total[13].received, 29u * 24 * 2);
    EXPECT_EQ(months.interfaces.at("wlan0")[13].sent, 29u * 24 * 2);
    // 15 Mar to 15 Apr holds the 23-hour day.
    EXPECT_EQ(months.total[14].received, (31u * 24 - 1) * 2);

    ViewRequest one = request;
    one.interfaceName = "wlan0";
    const UsageView wlan = BuildView(one, rows, zone);
    EXPECT_EQ(wlan.total[13].received, 29u * 24);
    EXPECT_EQ(wlan.interfaces.size(), 1u);
}

TEST(UsageCalendar, HourLabelsSayWhenEachStoredHourStartsInZonesOffByPartsOfAnHour) {
    const auto rows = EveryHour(Utc(2024, 3, 1, 0), 24 * 10);
    for (const auto& [offset, first, fifth] :
         {std::tuple{minutes(5 * 60 + 30), "2024-03-05T00:30", "2024-03-05T04:30"},
          std::tuple{minutes(5 * 60 + 45), "2024-03-05T00:45", "2024-03-05T04:45"},
          std::tuple{-minutes(3 * 60 + 30), "2024-03-05T00:30", "2024-03-05T04:30"}}) {
        const LocalZone zone = testing::FixedOffsetZone(offset);
        const UsageView today =
            BuildView({UsageViewKind::Hours, Utc(2024, 3, 5, 12), 1, {}}, rows, zone);
        ASSERT_EQ(today.total.size(), 24u) << offset.count();
        EXPECT_EQ(today.total[0].label, first);
        EXPECT_EQ(today.total[4].label, fifth);
        EXPECT_EQ(today.total[23].label, std::string(first).replace(11, 2, "23"));
        // Each day holds the 24 hours that start on it.
        const UsageView days =
            BuildView({UsageViewKind::Days, Utc(2024, 3, 5, 12), 1, {}}, rows, zone);
        EXPECT_EQ(days.total[3].received, 24u);
    }
    // In India the UTC hour from 23:00 covers 04:30 to 05:30 of the next local day.
    EXPECT_EQ(
        HourText(LocalOf(HourOf(Utc(2024, 3, 4, 23)), testing::FixedOffsetZone(minutes(330)))),
        "2024-03-05T04:30");
}

}  // namespace
}  // namespace bytelora
