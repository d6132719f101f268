#include "app/cli/UsageCommand.h"

#include <ostream>

#include "settings/QSettingsStore.h"
#include "usage/UsageText.h"

namespace bytelora::cli {

int Usage(const CliOptions& options, const UsageEnvironment& environment, int monthStartDay,
          const Clock& clock, std::ostream& out, std::ostream& err) {
    UsageStore store({environment.database, UsageStore::Mode::Read, environment.busyTimeoutMs},
                     clock, {});
    if (store.GetState() == UsageStore::State::Damaged) {
        err << "bytelora-cli: the data usage database " << environment.database.string()
            << " cannot be read: " << store.Problem()
            << ". Bytelora moves it aside and starts a new one when it next records.\n";
        return 1;
    }
    if (store.GetState() == UsageStore::State::Unreadable) {
        err << "bytelora-cli: the data usage database " << environment.database.string()
            << " cannot be read: " << store.Problem() << ".\n";
        return 1;
    }
    // `--interface` takes the alias as well as the stored name.
    std::map<std::string, std::string> aliases = store.Aliases();
    const ViewRequest request{options.view, clock.Now(), monthStartDay,
                              StoredInterfaceName(options.interfaceName, aliases)};
    UsageView view =
        BuildView(request, store.Rows(RangeOfView(request, environment.zone)), environment.zone);
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
    out.flush();
    return out ? 0 : 1;
}

int StoredMonthStartDay() {
    QSettingsStore store;
    Settings settings(store);
    return LimitFromText("0", settings.Get(kUsageMonthStartKey, "1"), "On").monthStartDay;
}

}  // namespace bytelora::cli
