#include "usage/UsageSession.h"

#include <algorithm>

#include "common/Translate.h"
#include "usage/UsagePrometheus.h"

namespace bytelora {

UsageEnvironment SystemUsageEnvironment() {
    return UsageEnvironment{DefaultUsageDatabase(), CurrentBootId(), SystemLocalZone()};
}

UsageSession::UsageSession(UsageEnvironment environment, const Clock& clock, Messages tell)
    : environment_(std::move(environment)), clock_(clock), tell_(std::move(tell)) {
    lastTry_ = clock_.Monotonic();
    TryToRecord();
    if (!recorder_) OpenForReading();
}

UsageSession::~UsageSession() {
    Flush();
}

void UsageSession::TryToRecord() {
    MakePrivateFolder(environment_.database.parent_path());
    bool heldByOther = false;
    auto lock = UsageLock::TryTake(LockFileFor(environment_.database), &heldByOther);
    if (heldByOther) return;
    // Without a lock file (a read-only folder) this program records all the same: the
    // bytes are kept in memory and the fault is told, and the lock is taken once it can be.
    store_.reset();
    store_ = std::make_unique<UsageStore>(
        UsageStore::Options{environment_.database, UsageStore::Mode::Record,
                            environment_.busyTimeoutMs},
        clock_, tell_);
    if (store_->GetState() == UsageStore::State::Newer) return;  // read only; already told
    lock_ = std::move(lock);
    recorder_ = std::make_unique<UsageRecorder>(*store_, clock_, environment_.bootId, tell_);
    recorder_->CountApplications(appCounter_);
}

void UsageSession::CountApplications(AppCounter counter, AppCounter atExit) {
    appCounter_ = std::move(counter);
    appCounterAtExit_ = std::move(atExit);
    if (recorder_) recorder_->CountApplications(appCounter_);
}

void UsageSession::OpenForReading() {
    store_ = std::make_unique<UsageStore>(
        UsageStore::Options{environment_.database, UsageStore::Mode::Read,
                            environment_.busyTimeoutMs},
        clock_, tell_);
}

void UsageSession::Record(const std::vector<InterfaceChange>& changes) {
    if (recorder_ && !lock_ && clock_.Monotonic() - lastTry_ >= UsageRecorder::kFlushEvery) {
        lastTry_ = clock_.Monotonic();
        bool heldByOther = false;
        lock_ = UsageLock::TryTake(LockFileFor(environment_.database), &heldByOther);
        if (heldByOther) {
            // Another program took over meanwhile and counts this traffic itself.
            recorder_.reset();
            OpenForReading();
            return;
        }
    }
    if (recorder_) {
        recorder_->Record(changes);
        return;
    }
    // Another program records; when it ends, this one takes over from the counters it
    // left, so nothing is lost and nothing counted twice.
    if (clock_.Monotonic() - lastTry_ < UsageRecorder::kFlushEvery) return;
    lastTry_ = clock_.Monotonic();
    if (store_ && store_->GetState() == UsageStore::State::Newer) return;
    TryToRecord();
    if (recorder_) {
        recorder_->Record(changes);
    } else if (!store_ || store_->GetState() != UsageStore::State::Open) {
        OpenForReading();
    }
}

void UsageSession::NameInterfaces(const InterfaceTable& table) {
    if (!recorder_) return;
    std::map<std::string, std::string> aliases;
    for (const auto& row : table) {
        if (row && !row->Alias().empty()) aliases[row->InterfaceName()] = row->Alias();
    }
    if (!aliases.empty()) recorder_->NameInterfaces(aliases);
}

std::map<std::string, std::string> UsageSession::Aliases() {
    return store_ ? store_->Aliases() : std::map<std::string, std::string>{};
}

void UsageSession::Flush() {
    if (recorder_) recorder_->Flush();
}

std::string UsageSession::NotRecordingNote() const {
    if (recorder_ || (store_ && store_->GetState() == UsageStore::State::Newer)) return {};
    return Translate("bytelora::DataUsage",
                     "Another Bytelora records the data usage; this one does not.");
}

std::string UsageSession::FlushAtExit() {
    // The counts are totals since the counter started, so a direct look now takes in
    // whatever the question still out in the background would have brought.
    if (recorder_ && appCounterAtExit_) recorder_->CountApplications(appCounterAtExit_);
    if (!recorder_ || recorder_->Flush()) return {};
    const std::uint64_t lost = recorder_->PendingBytes();
    // Nothing is told twice: the destructor's flush finds it written or lost already.
    recorder_.reset();
    return lost == 0 ? std::string() : LostAtExitMessage(lost, store_->Location());
}

namespace {

// The stored rows with the pending ones of the same hours, ordered by hour.
template <class Row>
std::vector<Row> WithPending(std::vector<Row> rows, std::vector<Row> pending, HourRange range) {
    for (Row& row : pending) {
        if (row.hour >= range.from && row.hour < range.to) rows.push_back(std::move(row));
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row& a, const Row& b) { return a.hour < b.hour; });
    return rows;
}

}  // namespace

std::vector<UsageRow> UsageSession::Rows(HourRange range) {
    if (!store_ || store_->GetState() == UsageStore::State::Missing) OpenForReading();
    if (!recorder_) return store_->Rows(range);
    return WithPending(store_->Rows(range), recorder_->Pending(), range);
}

std::vector<AppUsageRow> UsageSession::AppRows(HourRange range) {
    if (!store_ || store_->GetState() == UsageStore::State::Missing) OpenForReading();
    if (!recorder_) return store_->AppRows(range);
    return WithPending(store_->AppRows(range), recorder_->PendingApps(), range);
}

std::vector<AppTotal> UsageSession::AppTotals(HourRange range) {
    if (!store_ || store_->GetState() == UsageStore::State::Missing) OpenForReading();
    if (!recorder_) return SumByApplication(store_->AppSums(range));
    return SumByApplication(WithPending(store_->AppSums(range), recorder_->PendingApps(), range));
}

std::map<std::string, CounterPair> UsageSession::AppBytesToday(
    const std::optional<AppCounterRead>& live) {
    ViewRequest today;
    today.kind = UsageViewKind::Hours;  // today by hour, from local midnight
    today.now = clock_.Now();
    std::map<std::string, CounterPair> bytes;
    for (const AppUsageRow& row : AppRows(RangeOfView(today, environment_.zone))) {
        bytes[row.executable].received += row.received;
        bytes[row.executable].sent += row.sent;
    }
    if (live && recorder_ && recorder_->LastAppLook()) {
        for (const auto& [key, moved] : AppMoves(*recorder_->LastAppLook(), *live)) {
            bytes[key].received += moved.bytes.received;
            bytes[key].sent += moved.bytes.sent;
        }
    }
    return bytes;
}

std::vector<std::string> UsageSession::InterfaceNames() {
    if (!store_) return {};
    std::vector<std::string> names = store_->InterfaceNames();
    if (recorder_) {
        for (const UsageRow& row : recorder_->Pending()) {
            if (std::find(names.begin(), names.end(), row.interfaceName) == names.end())
                names.push_back(row.interfaceName);
        }
        std::sort(names.begin(), names.end());
    }
    return names;
}

UsageView UsageSession::View(const ViewRequest& request) {
    UsageView view =
        BuildView(request, Rows(RangeOfView(request, environment_.zone)), environment_.zone);
    view.aliases = Aliases();
    return view;
}

UsageAlert UsageSession::TakeAlert(const UsageLimit& limit, std::uint64_t* usedOut) {
    if (!recorder_ || !store_) return UsageAlert::None;
    ViewRequest request{UsageViewKind::Days, clock_.Now(), limit.monthStartDay, {}};
    std::uint64_t used = 0;
    for (const UsageBucket& day : View(request).total) used += day.received + day.sent;
    if (usedOut) *usedOut = used;
    const auto today = environment_.zone(HourOf(clock_.Now()) * 3600).date;
    const std::string period = DateText(PeriodContaining(today, limit.monthStartDay).first);
    AlertsGiven given = store_->Alerts(period);
    const UsageAlert alert = DecideAlert(limit, used, given);
    if (alert == UsageAlert::None) return alert;
    // Passing 100 % covers 90 % as well.
    given.near = true;
    if (alert == UsageAlert::Reached) given.reached = true;
    store_->SaveAlerts(period, given);
    return alert;
}

std::map<std::string, CounterPair> UsageSession::Totals() {
    if (!store_ || store_->GetState() == UsageStore::State::Missing) OpenForReading();
    std::map<std::string, CounterPair> totals = store_->Totals();
    if (recorder_) {
        for (const UsageRow& row : recorder_->Pending()) {
            CounterPair& pair = totals[row.interfaceName];
            pair.received += row.received;
            pair.sent += row.sent;
        }
    }
    return totals;
}

PrometheusTextfile::PrometheusTextfile(std::filesystem::path folder, const Clock& clock,
                                       Messages tell)
    : folder_(std::move(folder)), clock_(clock), tell_(std::move(tell)) {}

void PrometheusTextfile::Update(UsageSession& session,
                                const std::vector<InterfaceChange>& changes) {
    if (!changes.empty()) {
        counted_.clear();
        for (const InterfaceChange& change : changes) counted_.push_back(change.name);
    }
    if (lastWrite_ && clock_.Monotonic() - *lastWrite_ < UsageRecorder::kFlushEvery) return;
    Write(session);
}

void PrometheusTextfile::Write(UsageSession& session) {
    lastWrite_ = clock_.Monotonic();
    if (!session.Recording()) return;
    auto totals = session.Totals();
    for (const std::string& name : counted_) totals.try_emplace(name);
    const std::string problem = WriteTextfile(folder_, PrometheusText(totals));
    // Each new problem is told once; writing goes on being tried every minute.
    if (!problem.empty() && problem != lastProblem_ && tell_) {
        tell_(FillIn(Translate("bytelora::DataUsage",
                               "The data usage for Prometheus cannot be written: %1."),
                     {problem}));
    }
    lastProblem_ = problem;
}

}  // namespace bytelora
