#include "usage/UsageLimit.h"

#include <charconv>

#include "common/Translate.h"
#include "settings/SettingsStore.h"
#include "usage/UsageText.h"

namespace bytelora {

namespace {

template <class Number>
std::optional<Number> ParseNumber(const std::string& text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

}  // namespace

UsageLimit LimitFromText(const std::string& megabytes, const std::string& monthStart,
                         const std::string& alert) {
    UsageLimit limit;
    constexpr std::uint64_t kMegabyte = 1024 * 1024;
    if (const auto mb = ParseNumber<std::uint64_t>(megabytes);
        mb && *mb < (UINT64_MAX / kMegabyte)) {
        limit.bytes = *mb * kMegabyte;
    }
    if (const auto day = ParseNumber<int>(monthStart);
        day && *day >= kMinMonthStartDay && *day <= kMaxMonthStartDay) {
        limit.monthStartDay = *day;
    }
    limit.alert = alert != "Off";
    return limit;
}

UsageLimit StoredUsageLimit(SettingsStore& store) {
    Settings settings(store);
    return LimitFromText(settings.Get(kUsageLimitKey, "0"), settings.Get(kUsageMonthStartKey, "1"),
                         settings.Get(kUsageAlertKey, "On"));
}

std::optional<std::uint64_t> ProjectedUse(std::uint64_t usedSoFar, std::chrono::seconds elapsed,
                                          std::chrono::seconds wholePeriod) {
    if (elapsed < std::chrono::hours(1) || wholePeriod <= elapsed) {
        return elapsed >= std::chrono::hours(1) ? std::optional(usedSoFar) : std::nullopt;
    }
    const long double scale =
        static_cast<long double>(wholePeriod.count()) / static_cast<long double>(elapsed.count());
    return static_cast<std::uint64_t>(static_cast<long double>(usedSoFar) * scale);
}

namespace {

std::string Translated(const char* text) {
    return Translate("bytelora::UsageLimit", text);
}

std::string Filled(const std::string& text, const std::string& first, const std::string& second) {
    return FillIn(text, {first, second});
}

}  // namespace

std::string OrdinalDay(unsigned day) {
    const char* suffix = "th";
    if (day % 100 < 11 || day % 100 > 13) {
        if (day % 10 == 1) suffix = "st";
        if (day % 10 == 2) suffix = "nd";
        if (day % 10 == 3) suffix = "rd";
    }
    return std::to_string(day) + suffix;
}

std::string ProjectionText(std::uint64_t projected, std::chrono::year_month_day lastDay) {
    // One whole sentence per English ordinal suffix, so that each language words its own.
    const unsigned day = static_cast<unsigned>(lastDay.day());
    const char* text = BYTELORA_TEXT_NOOP("bytelora::UsageLimit", "about %1 by the %2th");
    if (day % 100 < 11 || day % 100 > 13) {
        if (day % 10 == 1)
            text = BYTELORA_TEXT_NOOP("bytelora::UsageLimit", "about %1 by the %2st");
        if (day % 10 == 2)
            text = BYTELORA_TEXT_NOOP("bytelora::UsageLimit", "about %1 by the %2nd");
        if (day % 10 == 3)
            text = BYTELORA_TEXT_NOOP("bytelora::UsageLimit", "about %1 by the %2rd");
    }
    return Filled(Translated(text), ByteAmountText(projected), std::to_string(day));
}

UsageAlert DecideAlert(const UsageLimit& limit, std::uint64_t used, const AlertsGiven& given) {
    if (!limit.alert || limit.bytes == 0) return UsageAlert::None;
    if (used >= limit.bytes) return given.reached ? UsageAlert::None : UsageAlert::Reached;
    // 90 % without overflow: used / limit >= 9 / 10.
    const bool near =
        static_cast<long double>(used) * 10 >= static_cast<long double>(limit.bytes) * 9;
    if (near && !given.near) return UsageAlert::Near;
    return UsageAlert::None;
}

std::string AlertText(UsageAlert alert, const UsageLimit& limit, std::uint64_t used) {
    if (alert == UsageAlert::Reached) {
        return Filled(Translated(BYTELORA_TEXT_NOOP(
                          "bytelora::UsageLimit",
                          "The monthly data limit is reached: %1 of %2 used this month.")),
                      ByteAmountText(used), ByteAmountText(limit.bytes));
    }
    return Filled(Translated(BYTELORA_TEXT_NOOP("bytelora::UsageLimit",
                                                "90 % of the monthly data limit is used: %1 of "
                                                "%2 this month.")),
                  ByteAmountText(used), ByteAmountText(limit.bytes));
}

}  // namespace bytelora
