#include "app/cli/AppsCommand.h"

#include <ostream>

#include "countd/AppsReport.h"
#include "countd/CountdClient.h"
#include "countd/ProcFiles.h"
#include "countd/StartBaseline.h"
#include "netstats/CIpHelper.h"
#include "netstats/InterfaceSelection.h"

namespace bytelora::cli {

namespace {

// The counted interfaces' bytes since the counter started, from the record it left at
// its start; empty without a record of this very start.
std::optional<countd::ByteCounts> InterfacesSinceStart(const std::string& socketPath, std::int64_t startedUnix,
                                                       InterfaceTableSource& source,
                                                       const std::vector<std::string>& interfaces) {
    const auto baseline =
        countd::ParseBaseline(countd::ReadFileText(countd::BaselinePathFor(socketPath), 1 << 20));
    if (!baseline || baseline->startedUnix != startedUnix) return std::nullopt;
    CIpHelper helper(source);
    const auto table = helper.Interfaces();
    if (!table || table->Count() == 0) return std::nullopt;
    InterfaceSelection selection(source.Probe());
    selection.Choose(interfaces);
    selection.Update(*table);
    std::vector<bool> counted;
    for (std::size_t i = 0; i < selection.Rows(); ++i) counted.push_back(selection.Counts(i));
    return countd::MovedSince(*baseline, *table, counted);
}

}  // namespace

int Apps(const CliOptions& options, InterfaceTableSource& source, const std::vector<std::string>& interfaces,
         const std::string& socketPath, std::ostream& out, std::ostream& err) {
    const countd::FetchResult fetched = countd::FetchCounts(socketPath);
    if (!fetched.reply) {
        err << fetched.problem << '\n';
        return 1;
    }
    const countd::AppsReport report = countd::GroupByApplication(
        *fetched.reply, countd::AppNames::ForThisSession(),
        InterfacesSinceStart(socketPath, fetched.reply->startedUnix, source, interfaces));
    out << (options.format == UsageFormat::Json ? countd::AppsJson(report) : countd::AppsTable(report));
    out.flush();
    return out ? 0 : 1;
}

}  // namespace bytelora::cli
