#include "cli/UsageCommand.h"

#include <algorithm>
#include <ostream>

#include "common/Translate.h"
#include "settings/QSettingsStore.h"
#include "usage/UsageApps.h"
#include "usage/UsageLimit.h"
#include "usage/UsagePrometheus.h"
#include "usage/UsageSpan.h"
#include "usage/UsageText.h"

namespace bytelora::cli {

namespace {

// `--interface NAME` must name an interface the store knows: a typing error must not
// look like an interface that moved nothing.
bool KnowsInterface(UsageStore& store, const std::string& name, std::ostream& err) {
    const std::vector<std::string> names = store.InterfaceNames();
    if (std::find(names.begin(), names.end(), name) != names.end()) return true;
    if (names.empty()) {
        err << "bytelora-cli: "
            << FillIn(Translate("bytelora::cli",
                                "the data usage has no interface '%1'; it has none yet."),
                      {name})
            << '\n';
    } else {
        std::string known;
        for (std::size_t i = 0; i < names.size(); ++i) known += (i == 0 ? "" : ", ") + names[i];
        err << "bytelora-cli: "
            << FillIn(
                   Translate("bytelora::cli", "the data usage has no interface '%1'; it has %2."),
                   {name, known})
            << '\n';
    }
    return false;
}

// One line on the accounting month against the limit; 1 when the limit is reached.
int TellLimit(UsageStore& store, const CliOptions& options, const UsageLimit& limit,
              const UsageEnvironment& environment, const Clock& clock, std::ostream& out) {
    const ViewRequest request{UsageViewKind::Days, clock.Now(), limit.monthStartDay,
                              options.interfaceName};
    std::uint64_t used = 0;
    for (const UsageBucket& day :
         BuildView(request, store.Rows(RangeOfView(request, environment.zone)), environment.zone)
             .total)
        used += day.received + day.sent;
    const auto today = environment.zone(HourOf(clock.Now()) * 3600).date;
    const std::string since = DateText(PeriodContaining(today, limit.monthStartDay).first);
    if (limit.bytes == 0) {
        out << FillIn(Translate("bytelora::cli", "No monthly limit is set: %1 used since %2."),
                      {ByteAmountText(used), since})
            << '\n';
        return 0;
    }
    const bool reached = used >= limit.bytes;
    out << FillIn(reached ? Translate("bytelora::cli",
                                      "The monthly limit is reached: %1 of %2 used since %3.")
                          : Translate("bytelora::cli",
                                      "Within the monthly limit: %1 of %2 used since %3."),
                  {ByteAmountText(used), ByteAmountText(limit.bytes), since})
        << '\n';
    return reached ? 1 : 0;
}

// The view the command line asks for, over the days its --begin and --end pick.
ViewRequest RequestOf(UsageStore& store, const CliOptions& options,
                      const std::string& interfaceName, const UsageLimit& limit,
                      const LocalZone& zone, const Clock& clock) {
    ViewRequest request{options.view, clock.Now(), limit.monthStartDay, interfaceName};
    request.top = options.top;
    std::optional<std::chrono::year_month_day> firstStored;
    if (const auto hour = store.FirstHour()) firstStored = LocalOf(*hour, zone).date;
    ApplySpan(request, {options.begin, options.end, firstStored}, zone);
    return request;
}

}  // namespace

int Usage(const CliOptions& options, const UsageEnvironment& environment, const UsageLimit& limit,
          const Clock& clock, std::ostream& out, std::ostream& err) {
    if (options.action == UsageAction::Help) {
        out << UsageText();
        return 0;
    }
    UsageStore store({environment.database, UsageStore::Mode::Read, environment.busyTimeoutMs},
                     clock, {});
    if (store.GetState() == UsageStore::State::Damaged) {
        err << "bytelora-cli: "
            << FillIn(Translate(
                          "bytelora::cli",
                          "the data usage database %1 cannot be read: %2. Bytelora moves it aside "
                          "and starts a new one when it next records."),
                      {environment.database.string(), store.Problem()})
            << '\n';
        return 1;
    }
    if (store.GetState() == UsageStore::State::Unreadable) {
        err << "bytelora-cli: "
            << FillIn(Translate("bytelora::cli", "the data usage database %1 cannot be read: %2."),
                      {environment.database.string(), store.Problem()})
            << '\n';
        return 1;
    }
    // `--interface` takes the alias as well as the stored name.
    std::map<std::string, std::string> aliases = store.Aliases();
    CliOptions named = options;
    named.interfaceName = StoredInterfaceName(options.interfaceName, aliases);
    if (!named.interfaceName.empty() && !KnowsInterface(store, named.interfaceName, err)) {
        return 1;
    }
    int status = 0;
    if (options.action == UsageAction::Limit) {
        status = TellLimit(store, named, limit, environment, clock, out);
    } else if (options.action == UsageAction::Prometheus) {
        auto totals = store.Totals();
        if (!named.interfaceName.empty()) {
            std::erase_if(totals,
                          [&](const auto& entry) { return entry.first != named.interfaceName; });
        }
        out << PrometheusText(totals);
    } else if (options.apps) {
        const ViewRequest request = RequestOf(store, options, {}, limit, environment.zone, clock);
        const HourRange range = RangeOfView(request, environment.zone);
        const std::vector<AppTotal> totals = SumByApplication(store.AppSums(range));
        switch (options.format) {
            case UsageFormat::Json:
                out << AppUsageJson(request.kind, range, environment.zone, totals);
                break;
            case UsageFormat::Csv:
                out << AppUsageCsv(totals);
                break;
            case UsageFormat::Table:
                out << AppUsageTable(totals);
                break;
        }
    } else {
        const ViewRequest request =
            RequestOf(store, options, named.interfaceName, limit, environment.zone, clock);
        UsageView view = BuildView(request, store.Rows(RangeOfView(request, environment.zone)),
                                   environment.zone);
        view.aliases = std::move(aliases);
        switch (options.format) {
            case UsageFormat::Json:
                out << UsageJson(view);
                break;
            case UsageFormat::Csv:
                out << UsageCsv(view);
                break;
            case UsageFormat::Table:
                out << UsageTable(view);
                break;
        }
    }
    out.flush();
    return out ? status : 1;
}

UsageLimit StoredLimit() {
    QSettingsStore store;
    return StoredUsageLimit(store);
}

}  // namespace bytelora::cli
