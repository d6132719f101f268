#include "usage/UsageView.h"

#include <algorithm>

namespace bytelora {

using namespace std::chrono;

const char* ViewKey(UsageViewKind kind) {
    switch (kind) {
        case UsageViewKind::Hours:
            return "hours";
        case UsageViewKind::Months:
            return "months";
        case UsageViewKind::Days:
            break;
    }
    return "days";
}

const char* EntryKey(UsageViewKind kind) {
    switch (kind) {
        case UsageViewKind::Hours:
            return "hour";
        case UsageViewKind::Months:
            return "month";
        case UsageViewKind::Days:
            break;
    }
    return "date";
}

namespace {

// The buckets of a view and how to find a local hour's bucket.
struct Layout {
    std::vector<std::string> labels;
    HourRange range;
    std::vector<UsageHour> hours;           // Hours: the UTC hour of each bucket
    sys_days firstDay{};                    // Days: the first day's date
    std::vector<AccountingPeriod> periods;  // Months: oldest first
};

Layout MakeLayout(const ViewRequest& request, const LocalZone& zone) {
    Layout layout;
    const year_month_day today = zone(HourOf(request.now) * 3600).date;
    switch (request.kind) {
        case UsageViewKind::Hours: {
            layout.hours = HoursOfLocalDay(today, zone);
            for (UsageHour hour : layout.hours)
                layout.labels.push_back(HourText(LocalOf(hour, zone)));
            layout.range = layout.hours.empty()
                               ? HourRange{}
                               : HourRange{layout.hours.front(), layout.hours.back() + 1};
            break;
        }
        case UsageViewKind::Days: {
            const AccountingPeriod period = PeriodContaining(today, request.monthStartDay);
            for (year_month_day day : DaysOf(period)) layout.labels.push_back(DateText(day));
            layout.firstDay = sys_days(period.first);
            layout.range = {FirstHourOf(period.first, zone), FirstHourOf(period.end, zone)};
            break;
        }
        case UsageViewKind::Months: {
            AccountingPeriod period = PeriodContaining(today, request.monthStartDay);
            layout.periods.assign(kMonthsShown, period);
            for (int i = kMonthsShown - 2; i >= 0; --i) {
                period = PreviousPeriod(period, request.monthStartDay);
                layout.periods[static_cast<std::size_t>(i)] = period;
            }
            for (const auto& each : layout.periods) layout.labels.push_back(MonthText(each.first));
            layout.range = {FirstHourOf(layout.periods.front().first, zone),
                            FirstHourOf(layout.periods.back().end, zone)};
            break;
        }
    }
    return layout;
}

std::optional<std::size_t> BucketOf(const ViewRequest& request, const Layout& layout,
                                    UsageHour hour, const LocalZone& zone) {
    if (hour < layout.range.from || hour >= layout.range.to) return std::nullopt;
    switch (request.kind) {
        case UsageViewKind::Hours:
            return static_cast<std::size_t>(hour - layout.range.from);
        case UsageViewKind::Days: {
            const auto offset = (sys_days(LocalOf(hour, zone).date) - layout.firstDay).count();
            if (offset < 0 || offset >= static_cast<long>(layout.labels.size()))
                return std::nullopt;
            return static_cast<std::size_t>(offset);
        }
        case UsageViewKind::Months: {
            const sys_days date = sys_days(LocalOf(hour, zone).date);
            for (std::size_t i = 0; i < layout.periods.size(); ++i) {
                if (date >= sys_days(layout.periods[i].first) &&
                    date < sys_days(layout.periods[i].end))
                    return i;
            }
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::vector<UsageBucket> EmptyBuckets(const Layout& layout) {
    std::vector<UsageBucket> buckets(layout.labels.size());
    for (std::size_t i = 0; i < buckets.size(); ++i) buckets[i].label = layout.labels[i];
    return buckets;
}

}  // namespace

HourRange RangeOfView(const ViewRequest& request, const LocalZone& zone) {
    return MakeLayout(request, zone).range;
}

UsageView BuildView(const ViewRequest& request, const std::vector<UsageRow>& rows,
                    const LocalZone& zone) {
    const Layout layout = MakeLayout(request, zone);
    UsageView view;
    view.kind = request.kind;
    view.total = EmptyBuckets(layout);
    // Rows come grouped by hour; the local time of one hour serves all its interfaces.
    UsageHour cachedHour = 0;
    std::optional<std::size_t> cachedBucket;
    bool cached = false;
    for (const UsageRow& row : rows) {
        if (!request.interfaceName.empty() && row.interfaceName != request.interfaceName) continue;
        if (!cached || row.hour != cachedHour) {
            cachedHour = row.hour;
            cachedBucket = BucketOf(request, layout, row.hour, zone);
            cached = true;
        }
        if (!cachedBucket) continue;
        auto [it, added] = view.interfaces.try_emplace(row.interfaceName);
        if (added) it->second = EmptyBuckets(layout);
        for (UsageBucket* bucket : {&view.total[*cachedBucket], &it->second[*cachedBucket]}) {
            bucket->received += row.received;
            bucket->sent += row.sent;
        }
    }
    return view;
}

std::string StoredInterfaceName(const std::string& typed,
                                const std::map<std::string, std::string>& aliases) {
    if (typed.empty() || aliases.contains(typed)) return typed;
    for (const auto& [name, alias] : aliases) {
        if (alias == typed) return name;
    }
    return typed;
}

}  // namespace bytelora
