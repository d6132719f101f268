#include "usage/UsageApps.h"

#include <algorithm>
#include <map>

#include "countd/AppsReport.h"

namespace bytelora {

std::string AppKey(const std::string& executable, const std::string& name) {
    return executable.empty() ? "[" + name + "]" : executable;
}

AppCounterRead AppCounterReadOf(const countd::Reply& reply, std::optional<std::uint32_t> uid,
                                const countd::AppNames& names) {
    // Root is answered with every user's programs; a user's history holds only theirs.
    countd::Reply own;
    own.startedUnix = reply.startedUnix;
    for (const auto& process : reply.processes) {
        if (!uid || process.uid == *uid) own.processes.push_back(process);
    }
    for (const auto& exited : reply.exited) {
        if (!uid || exited.uid == *uid) own.exited.push_back(exited);
    }
    AppCounterRead read;
    read.startedUnix = reply.startedUnix;
    for (const countd::AppUsage& app :
         countd::GroupByApplication(own, names, std::nullopt).applications) {
        read.byExecutable[AppKey(app.executable, app.name)] = {
            app.name, {app.bytes.received, app.bytes.sent}};
    }
    return read;
}

AppCounter AppCounterOf(std::function<countd::FetchResult()> fetch,
                        std::shared_ptr<const countd::AppNames> names) {
    if (!fetch || !names) return nullptr;
    return [fetch = std::move(fetch),
            names = std::move(names)]() -> std::optional<AppCounterRead> {
        const countd::FetchResult fetched = fetch();
        if (!fetched.reply) return std::nullopt;
        return AppCounterReadOf(*fetched.reply, countd::ClientUserId(), *names);
    };
}

std::vector<AppTotal> SumByApplication(const std::vector<AppUsageRow>& rows) {
    std::map<std::string, AppTotal> byKey;
    std::map<std::string, UsageHour> namedAt;
    for (const AppUsageRow& row : rows) {
        AppTotal& total = byKey[row.executable];
        total.executable = row.executable;
        total.received += row.received;
        total.sent += row.sent;
        auto [at, fresh] = namedAt.try_emplace(row.executable, row.hour);
        if (fresh || row.hour >= at->second) {
            at->second = row.hour;
            total.name = row.name;
        }
    }
    std::vector<AppTotal> totals;
    totals.reserve(byKey.size());
    for (auto& entry : byKey) totals.push_back(std::move(entry.second));
    std::sort(totals.begin(), totals.end(), [](const AppTotal& a, const AppTotal& b) {
        const std::uint64_t left = a.received + a.sent;
        const std::uint64_t right = b.received + b.sent;
        if (left != right) return left > right;
        if (a.name != b.name) return a.name < b.name;
        return a.executable < b.executable;
    });
    return totals;
}

}  // namespace bytelora
