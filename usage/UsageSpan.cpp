#include "usage/UsageSpan.h"

#include <algorithm>
#include <charconv>

namespace bytelora {

using namespace std::chrono;

namespace {

std::optional<unsigned> Digits(const std::string& text, std::size_t from, std::size_t count) {
    unsigned value = 0;
    const char* begin = text.data() + from;
    const auto [end, error] = std::from_chars(begin, begin + count, value);
    if (error != std::errc{} || end != begin + count) return std::nullopt;
    return value;
}

year_month_day Earlier(year_month_day a, year_month_day b) {
    return sys_days(a) < sys_days(b) ? a : b;
}

}  // namespace

std::optional<year_month_day> ParseDateText(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const auto y = Digits(text, 0, 4);
    const auto m = Digits(text, 5, 2);
    const auto d = Digits(text, 8, 2);
    if (!y || !m || !d) return std::nullopt;
    const year_month_day date{year{static_cast<int>(*y)}, month{*m}, day{*d}};
    if (!date.ok()) return std::nullopt;
    return date;
}

void ApplySpan(ViewRequest& request, const CommandLineSpan& span, const LocalZone& zone) {
    const year_month_day today = zone(HourOf(request.now) * 3600).date;
    const year_month_day last = span.end ? Earlier(*span.end, today) : today;
    std::optional<year_month_day> first = span.begin;
    if (!first) {
        switch (request.kind) {
            case UsageViewKind::Hours:
                if (!span.end) {
                    request.last24Hours = true;
                    return;
                }
                first = last;
                break;
            case UsageViewKind::Days:
                first = PeriodContaining(last, request.monthStartDay).first;
                break;
            case UsageViewKind::Months: {
                AccountingPeriod period = PeriodContaining(last, request.monthStartDay);
                for (int i = 1; i < kMonthsShown; ++i)
                    period = PreviousPeriod(period, request.monthStartDay);
                first = period.first;
                break;
            }
            case UsageViewKind::Years:
            case UsageViewKind::Top:
                first = span.firstStored ? Earlier(*span.firstStored, last) : last;
                break;
        }
    }
    request.first = first;
    request.last = last;
}

}  // namespace bytelora
