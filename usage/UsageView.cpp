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
        case UsageViewKind::Years:
            return "years";
        case UsageViewKind::Top:
            return "top";
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
        case UsageViewKind::Years:
            return "year";
        case UsageViewKind::Days:
        case UsageViewKind::Top:
            break;
    }
    return "date";
}

namespace {

// The buckets of a view and how to find a local hour's bucket.
struct Layout {
    std::vector<std::string> labels;
    HourRange range;
    sys_days firstDay{};                    // Days: the first day's date
    std::vector<AccountingPeriod> periods;  // Months and years: oldest first
};

year_month_day NextDay(year_month_day date) {
    return year_month_day{sys_days(date) + days{1}};
}

// Hours: consecutive UTC hours, each labelled with the local time it starts at.
void LayHours(Layout& layout, HourRange range, const LocalZone& zone) {
    layout.range = range;
    for (UsageHour hour = range.from; hour < range.to; ++hour)
        layout.labels.push_back(HourText(LocalOf(hour, zone)));
}

// Days, accounting months or years: the labels of the periods, and their hours.
void LayPeriods(Layout& layout, std::vector<AccountingPeriod> periods,
                std::string (*label)(year_month_day), const LocalZone& zone) {
    layout.periods = std::move(periods);
    if (layout.periods.empty()) return;
    for (const auto& each : layout.periods) layout.labels.push_back(label(each.first));
    layout.range = {FirstHourOf(layout.periods.front().first, zone),
                    FirstHourOf(layout.periods.back().end, zone)};
}

std::string YearText(year_month_day date) {
    return DateText(date).substr(0, 4);
}

AccountingPeriod YearContaining(year_month_day date) {
    return {date.year() / January / 1, (date.year() + years{1}) / January / 1};
}

Layout MakeLayout(const ViewRequest& request, const LocalZone& zone) {
    Layout layout;
    const year_month_day today = zone(HourOf(request.now) * 3600).date;
    const bool spanned = request.first && request.last;
    if (spanned && sys_days(*request.first) > sys_days(*request.last)) return layout;
    switch (request.kind) {
        case UsageViewKind::Hours: {
            const UsageHour now = HourOf(request.now);
            if (spanned) {
                LayHours(
                    layout,
                    {FirstHourOf(*request.first, zone), FirstHourOf(NextDay(*request.last), zone)},
                    zone);
            } else if (request.last24Hours) {
                LayHours(layout, {now - 23, now + 1}, zone);
            } else {
                const auto hours = HoursOfLocalDay(today, zone);
                if (!hours.empty()) LayHours(layout, {hours.front(), hours.back() + 1}, zone);
            }
            break;
        }
        case UsageViewKind::Days:
        case UsageViewKind::Top: {
            AccountingPeriod span = PeriodContaining(today, request.monthStartDay);
            if (spanned) span = {*request.first, NextDay(*request.last)};
            std::vector<AccountingPeriod> days;
            for (year_month_day day : DaysOf(span)) days.push_back({day, NextDay(day)});
            layout.firstDay = sys_days(span.first);
            LayPeriods(layout, std::move(days), DateText, zone);
            break;
        }
        case UsageViewKind::Months: {
            const year_month_day last = spanned ? *request.last : today;
            AccountingPeriod period = PeriodContaining(last, request.monthStartDay);
            std::vector<AccountingPeriod> periods{period};
            while (spanned ? sys_days(period.first) > sys_days(*request.first)
                           : periods.size() < static_cast<std::size_t>(kMonthsShown)) {
                period = PreviousPeriod(period, request.monthStartDay);
                periods.push_back(period);
            }
            std::reverse(periods.begin(), periods.end());
            LayPeriods(layout, std::move(periods), MonthText, zone);
            break;
        }
        case UsageViewKind::Years: {
            const year_month_day first = spanned ? *request.first : today;
            const year_month_day last = spanned ? *request.last : today;
            std::vector<AccountingPeriod> periods;
            for (year y = first.year(); y <= last.year(); ++y)
                periods.push_back(YearContaining(y / January / 1));
            LayPeriods(layout, std::move(periods), YearText, zone);
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
        case UsageViewKind::Days:
        case UsageViewKind::Top: {
            const auto offset = (sys_days(LocalOf(hour, zone).date) - layout.firstDay).count();
            if (offset < 0 || offset >= static_cast<long>(layout.labels.size()))
                return std::nullopt;
            return static_cast<std::size_t>(offset);
        }
        case UsageViewKind::Months:
        case UsageViewKind::Years: {
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

// The busiest `count` days with any traffic, busiest first (the earlier of two equal
// days first); each interface keeps the same days in the same order.
void KeepBusiestDays(UsageView& view, std::size_t count) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < view.total.size(); ++i) {
        if (view.total[i].received + view.total[i].sent > 0) order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return view.total[a].received + view.total[a].sent >
               view.total[b].received + view.total[b].sent;
    });
    if (order.size() > count) order.resize(count);
    const auto pick = [&](const std::vector<UsageBucket>& buckets) {
        std::vector<UsageBucket> kept;
        for (std::size_t i : order) kept.push_back(buckets[i]);
        return kept;
    };
    view.total = pick(view.total);
    for (auto& [name, buckets] : view.interfaces) buckets = pick(buckets);
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
    if (request.kind == UsageViewKind::Top) KeepBusiestDays(view, request.top);
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
