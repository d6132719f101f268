#include "countd/client/AppRates.h"

#include <algorithm>

namespace bytelora {

namespace {

std::uint64_t Kbps(std::uint64_t now, std::uint64_t before, double seconds) {
    if (now <= before || seconds <= 0) return 0;
    return static_cast<std::uint64_t>(static_cast<double>(now - before) / 1024.0 / seconds);
}

}  // namespace

std::vector<AppRateRow> AppRates::Update(const countd::AppsReport& report,
                                         std::chrono::steady_clock::time_point at) {
    // A counter that started again counts from zero: the old looks mean nothing.
    if (report.startedUnix != startedUnix_) {
        previous_.clear();
        previousAt_.reset();
        startedUnix_ = report.startedUnix;
    }
    const double seconds =
        previousAt_ ? std::chrono::duration<double>(at - *previousAt_).count() : 0.0;
    std::vector<AppRateRow> rows;
    std::map<std::string, countd::ByteCounts> seen;
    for (const countd::AppUsage& app : report.applications) {
        const std::string key = app.executable.empty() ? "[" + app.name + "]" : app.executable;
        AppRateRow row{app.name, app.executable, 0, 0, app.bytes, app.icon};
        if (previousAt_) {
            // One that appeared since the last look moved all its bytes in between.
            const auto it = previous_.find(key);
            const countd::ByteCounts before =
                it != previous_.end() ? it->second : countd::ByteCounts{};
            row.downloadKbps = Kbps(app.bytes.received, before.received, seconds);
            row.uploadKbps = Kbps(app.bytes.sent, before.sent, seconds);
        }
        seen[key] = app.bytes;
        rows.push_back(std::move(row));
    }
    previous_ = std::move(seen);
    previousAt_ = at;
    std::stable_sort(rows.begin(), rows.end(), [](const AppRateRow& a, const AppRateRow& b) {
        const auto rateA = a.downloadKbps + a.uploadKbps;
        const auto rateB = b.downloadKbps + b.uploadKbps;
        if (rateA != rateB) return rateA > rateB;
        const auto bytesA = a.bytes.received + a.bytes.sent;
        const auto bytesB = b.bytes.received + b.bytes.sent;
        if (bytesA != bytesB) return bytesA > bytesB;
        return a.name < b.name;
    });
    return rows;
}

}  // namespace bytelora
