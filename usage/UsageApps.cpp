#include "usage/UsageApps.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "common/TextColumns.h"
#include "common/Translate.h"
#include "countd/client/AppsReport.h"
#include "usage/UsageCalendar.h"
#include "usage/UsageText.h"

namespace bytelora {

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
        read.byExecutable[countd::ApplicationKey(app.executable, app.name)] = {
            app.name, {app.bytes.received, app.bytes.sent}};
    }
    return read;
}

AppCounter AppCounterOf(std::function<countd::FetchResult()> fetch,
                        std::function<countd::AppNames()> makeNames) {
    if (!fetch || !makeNames) return nullptr;
    // Shared: the recorder's copies of the function keep one set of names.
    auto names = std::make_shared<std::optional<countd::AppNames>>();
    return [fetch = std::move(fetch), makeNames = std::move(makeNames),
            names]() -> std::optional<AppCounterRead> {
        const countd::FetchResult fetched = fetch();
        if (!fetched.reply) return std::nullopt;
        if (!*names) names->emplace(makeNames());
        return AppCounterReadOf(*fetched.reply, countd::ClientUserId(), **names);
    };
}

AppCounter AskedInBackground(AppCounter ask, const Clock& clock) {
    if (!ask) return nullptr;
    struct Shared {
        std::mutex mutex;
        bool asking = false;
        std::optional<AppCounterRead> answer;
    };
    auto shared = std::make_shared<Shared>();
    return [ask = std::move(ask), &clock, shared]() -> std::optional<AppCounterRead> {
        const std::lock_guard lock(shared->mutex);
        std::optional<AppCounterRead> answer = std::move(shared->answer);
        shared->answer.reset();
        if (shared->asking) return answer;
        shared->asking = true;
        try {
            // Detached: a counter that never answers must not hold up the program's end.
            std::thread([ask, shared, askedAt = clock.Now()] {
                std::optional<AppCounterRead> read;
                try {
                    read = ask();
                } catch (const std::exception&) {
                    read.reset();  // as a counter that did not answer
                }
                if (read) read->askedAt = askedAt;
                const std::lock_guard done(shared->mutex);
                if (read) shared->answer = std::move(read);
                shared->asking = false;
            }).detach();
        } catch (const std::system_error&) {
            shared->asking = false;  // no thread to be had now; the next call tries again
        }
        return answer;
    };
}

namespace {

std::string DateOf(UsageHour hour, const LocalZone& zone) {
    return DateText(LocalOf(hour, zone).date);
}

// A quoted CSV field. One that a spreadsheet would take for a formula starts with a
// quote mark, so that a program's name can never run as one.
std::string CsvField(const std::string& text) {
    std::string out = "\"";
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
        out += '\'';
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

// Cuts a name to `width` bytes for the table, on a character boundary.
std::string Cut(const std::string& text, std::size_t width) {
    if (text.size() <= width) return text;
    std::size_t end = width - 1;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end) + "~";
}

}  // namespace

std::string AppUsageJson(UsageViewKind kind, HourRange range, const LocalZone& zone,
                         const std::vector<AppTotal>& totals) {
    std::string out = std::string("{\"unit\":\"bytes\",\"view\":\"") + ViewKey(kind) + "\"";
    if (range.to > range.from) {
        out += ",\"from\":\"" + DateOf(range.from, zone) + "\",\"to\":\"" +
               DateOf(range.to - 1, zone) + "\"";
    }
    out += ",\"applications\":[";
    for (std::size_t i = 0; i < totals.size(); ++i) {
        const AppTotal& app = totals[i];
        if (i > 0) out += ',';
        out += "{\"name\":" + countd::JsonText(app.name) +
               ",\"executable\":" + countd::JsonText(app.executable) +
               ",\"received\":" + std::to_string(app.received) +
               ",\"sent\":" + std::to_string(app.sent) + "}";
    }
    return out + "]}\n";
}

std::string AppUsageCsv(const std::vector<AppTotal>& totals) {
    std::string out = "name,executable,received,sent,total\r\n";
    for (const AppTotal& app : totals) {
        out += CsvField(app.name) + "," + CsvField(app.executable) + "," +
               std::to_string(app.received) + "," + std::to_string(app.sent) + "," +
               std::to_string(app.received + app.sent) + "\r\n";
    }
    return out;
}

std::string AppUsageTable(const std::vector<AppTotal>& totals) {
    constexpr std::size_t kNameWidth = 32;
    const auto row = [&](const std::string& name, const std::string& received,
                         const std::string& sent, const std::string& total) {
        return PadToColumns(Cut(name, kNameWidth), kNameWidth) + " " +
               PadToColumns(received, 12, true) + " " + PadToColumns(sent, 12, true) + " " +
               PadToColumns(total, 12, true) + "\n";
    };
    std::string out =
        row(Translate("bytelora::UsageTable", "Application"),
            Translate("bytelora::UsageTable", "Received"),
            Translate("bytelora::UsageTable", "Sent"), Translate("bytelora::UsageTable", "Total"));
    std::uint64_t received = 0, sent = 0;
    for (const AppTotal& app : totals) {
        received += app.received;
        sent += app.sent;
        out += row(app.name, ByteAmountText(app.received), ByteAmountText(app.sent),
                   ByteAmountText(app.received + app.sent));
    }
    return out + row(Translate("bytelora::UsageTable", "Total"), ByteAmountText(received),
                     ByteAmountText(sent), ByteAmountText(received + sent));
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
