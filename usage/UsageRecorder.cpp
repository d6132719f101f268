#include "usage/UsageRecorder.h"

#include "common/Translate.h"
#include "usage/UsageText.h"

namespace bytelora {

UsageRecorder::UsageRecorder(UsageDatabase& database, const Clock& clock, std::string bootId,
                             Messages tell)
    : database_(database), clock_(clock), bootId_(std::move(bootId)), tell_(std::move(tell)) {}

void UsageRecorder::AddBytes(const std::string& name, UsageHour hour, std::uint64_t received,
                             std::uint64_t sent) {
    if (received == 0 && sent == 0) return;
    CounterPair& entry = pending_[{hour, name}];
    entry.received += received;
    entry.sent += sent;
}

void UsageRecorder::AddTrafficBetweenRuns(const std::vector<InterfaceChange>& changes,
                                          UsageHour hour, const StoredCounters& stored) {
    // After a reboot the counters started again from nothing: they say nothing about
    // the time in between, and nothing is invented.
    const bool sameBoot = !bootId_.empty() && stored.bootId == bootId_;
    for (const InterfaceChange& change : changes) {
        const auto it = stored.counters.find(change.name);
        if (!sameBoot || it == stored.counters.end()) {
            AddBytes(change.name, hour, change.received, change.sent);
            continue;
        }
        // The stored counters are where the last write left off, so the gap covers this
        // read's own change too. A counter below its stored value was reset in between:
        // how much it moved before the reset is unknown.
        const CounterPair& before = it->second;
        AddBytes(change.name, hour,
                 change.counterReceived >= before.received
                     ? change.counterReceived - before.received
                     : 0,
                 change.counterSent >= before.sent ? change.counterSent - before.sent : 0);
    }
}

void UsageRecorder::Record(const std::vector<InterfaceChange>& changes) {
    // A read that counted nothing (a failed read) says nothing about the counters.
    if (changes.empty()) return;
    // Bytes go to the hour the wall clock shows now, even after the clock was moved.
    const UsageHour hour = HourOf(clock_.Now());
    const bool first = !started_;
    if (first) {
        started_ = true;
        lastFlush_ = clock_.Monotonic();
        unsettledStart_.emplace(changes, hour);
        SettleStart();
    } else {
        for (const InterfaceChange& change : changes) {
            AddBytes(change.name, hour, change.received, change.sent);
        }
    }
    for (const InterfaceChange& change : changes) {
        counters_[change.name] = {change.counterReceived, change.counterSent};
    }
    // The next start compares with the interfaces counted now; one that left is not
    // compared with whatever it shows when it comes back.
    if (counters_.size() != changes.size()) {
        std::erase_if(counters_, [&](const auto& entry) {
            for (const InterfaceChange& change : changes) {
                if (change.name == entry.first) return false;
            }
            return true;
        });
    }
    // The first counters are stored at once: a crash in the first minute then loses no
    // more than a crash in any other.
    if (first || clock_.Monotonic() - lastFlush_ >= kFlushEvery) Flush();
}

void UsageRecorder::SettleStart() {
    if (!unsettledStart_) return;
    const std::optional<StoredCounters> stored = database_.LastCounters();
    if (!stored) return;
    AddTrafficBetweenRuns(unsettledStart_->first, unsettledStart_->second, *stored);
    unsettledStart_.reset();
}

bool UsageRecorder::Flush() {
    lastFlush_ = clock_.Monotonic();
    if (!started_) return true;
    // Until the stored counters were compared with the first read, writing new ones would
    // lose the traffic between the runs.
    SettleStart();
    if (unsettledStart_) {
        Tell(StoreFault::ReadOnly);
        DropStalePending(HourOf(clock_.Now()));
        return false;
    }
    CollectApplications(HourOf(clock_.Now()));
    // An idle minute changes nothing on disk.
    if (pending_.empty() && pendingApps_.empty() && written_ && counters_ == *written_ &&
        aliasesStored_)
        return true;
    const StoreFault fault =
        database_.Add(Pending(), PendingApps(), StoredCounters{bootId_, counters_});
    if (fault == StoreFault::None) {
        pending_.clear();
        pendingApps_.clear();
        written_ = counters_;
        // Only names: a failure is tried again with the next write, and is not told.
        if (!aliasesStored_) aliasesStored_ = database_.SaveAliases(aliases_) == StoreFault::None;
        return true;
    }
    Tell(fault);
    DropStalePending(HourOf(clock_.Now()));
    return false;
}

std::vector<UsageRow> UsageRecorder::Pending() const {
    std::vector<UsageRow> rows;
    rows.reserve(pending_.size());
    for (const auto& [key, bytes] : pending_) {
        rows.push_back({key.second, key.first, bytes.received, bytes.sent});
    }
    return rows;
}

std::vector<AppUsageRow> UsageRecorder::PendingApps() const {
    std::vector<AppUsageRow> rows;
    rows.reserve(pendingApps_.size());
    for (const auto& [key, app] : pendingApps_) {
        rows.push_back({key.second, app.name, key.first, app.bytes.received, app.bytes.sent});
    }
    return rows;
}

std::map<std::string, AppCounterRead::App> AppMoves(const AppCounterRead& before,
                                                    const AppCounterRead& now) {
    std::map<std::string, AppCounterRead::App> moves;
    const bool restarted = before.startedUnix != now.startedUnix;
    for (const auto& [executable, app] : now.byExecutable) {
        CounterPair earlier;
        if (!restarted) {
            const auto it = before.byExecutable.find(executable);
            if (it != before.byExecutable.end()) earlier = it->second.bytes;
        }
        const CounterPair moved{
            app.bytes.received >= earlier.received ? app.bytes.received - earlier.received : 0,
            app.bytes.sent >= earlier.sent ? app.bytes.sent - earlier.sent : 0};
        if (moved.received != 0 || moved.sent != 0) moves[executable] = {app.name, moved};
    }
    return moves;
}

void UsageRecorder::CollectApplications(UsageHour hour) {
    if (!appCounter_) return;
    std::optional<AppCounterRead> now = appCounter_();
    // No counter now: the last look stays the base, so that what the counter keeps
    // counting meanwhile is added once it answers again.
    if (!now) return;
    // The first look only sets the base: what the counter holds then was counted over
    // a time that is not this hour's.
    if (appBaseline_) {
        const UsageHour at = now->askedAt ? HourOf(*now->askedAt) : hour;
        for (const auto& [executable, moved] : AppMoves(*appBaseline_, *now)) {
            AppCounterRead::App& entry = pendingApps_[{at, executable}];
            entry.name = moved.name;
            entry.bytes.received += moved.bytes.received;
            entry.bytes.sent += moved.bytes.sent;
        }
    }
    appBaseline_ = std::move(now);
}

void UsageRecorder::NameInterfaces(const std::map<std::string, std::string>& aliases) {
    bool changed = false;
    for (const auto& [name, alias] : aliases) {
        auto [at, added] = aliases_.try_emplace(name, alias);
        if (!added && at->second == alias) continue;
        at->second = alias;
        changed = true;
    }
    if (changed) aliasesStored_ = false;
}

std::uint64_t UsageRecorder::PendingBytes() const {
    std::uint64_t bytes = 0;
    for (const auto& entry : pending_) bytes += entry.second.received + entry.second.sent;
    return bytes;
}

void UsageRecorder::DropStalePending(UsageHour now) {
    // The applications' bytes are a breakdown of the interfaces': they go with them,
    // and the message below covers both.
    std::erase_if(pendingApps_,
                  [&](const auto& entry) { return entry.first.first <= now - kPendingHours; });
    if (pending_.empty() || pending_.begin()->first.first > now - kPendingHours) return;
    std::uint64_t dropped = 0;
    while (!pending_.empty() && pending_.begin()->first.first <= now - kPendingHours) {
        dropped += pending_.begin()->second.received + pending_.begin()->second.sent;
        pending_.erase(pending_.begin());
    }
    if (tell_ && !toldDropped_) {
        toldDropped_ = true;
        tell_(FillIn(Translate("bytelora::DataUsage",
                               "The data usage of more than a day ago (%1, %2 bytes) could "
                               "not be stored in %3 and is given up. Later usage is still "
                               "kept while the database cannot be written."),
                     {ByteAmountText(dropped), std::to_string(dropped), database_.Location()}));
    }
}

void UsageRecorder::Tell(StoreFault fault) {
    if (!told_.insert(fault).second || !tell_) return;
    tell_(FaultMessage(fault, database_.Location()));
}

std::string FaultMessage(StoreFault fault, const std::string& location) {
    const std::string kept = Translate(
        "bytelora::DataUsage",
        " The data usage is kept in memory (for up to a day) and written as soon as it can be.");
    const auto told = [&location](const std::string& text) { return FillIn(text, {location}); };
    switch (fault) {
        case StoreFault::Locked:
            return told(Translate("bytelora::DataUsage",
                                  "The data usage database %1 is locked by another program.")) +
                   kept;
        case StoreFault::Full:
            return told(Translate("bytelora::DataUsage",
                                  "The disk that holds the data usage database %1 is full.")) +
                   kept;
        case StoreFault::ReadOnly:
            return told(Translate("bytelora::DataUsage",
                                  "The data usage database %1 cannot be written (read-only).")) +
                   kept;
        case StoreFault::Newer:
            return told(Translate("bytelora::DataUsage",
                                  "The data usage database %1 comes from a newer Bytelora. It "
                                  "is shown but not changed; data usage is not recorded."));
        case StoreFault::Damaged:
            return told(
                       Translate("bytelora::DataUsage", "The data usage database %1 is damaged.")) +
                   kept;
        case StoreFault::None:
        case StoreFault::Other:
            break;
    }
    return told(Translate("bytelora::DataUsage", "The data usage could not be written to %1.")) +
           kept;
}

std::string LostAtExitMessage(std::uint64_t bytes, const std::string& location) {
    return FillIn(Translate("bytelora::DataUsage",
                            "The data usage not yet stored (%1, %2 bytes) could not be "
                            "written to %3 and is lost."),
                  {ByteAmountText(bytes), std::to_string(bytes), location});
}

}  // namespace bytelora
