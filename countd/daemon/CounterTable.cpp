#include "countd/daemon/CounterTable.h"

#include <set>

namespace bytelora::countd {

namespace {

void Add(ByteCounts& to, const ByteCounts& from) {
    to.received += from.received;
    to.sent += from.sent;
}

}  // namespace

std::string ExecutablePathFromNames(std::string_view reversedNames, bool truncated) {
    std::vector<std::string_view> names;
    while (!reversedNames.empty()) {
        const std::size_t end = reversedNames.find('\0');
        const std::string_view name = reversedNames.substr(0, end);
        if (!name.empty()) names.push_back(name);
        if (end == std::string_view::npos) break;
        reversedNames.remove_prefix(end + 1);
    }
    if (names.empty()) return {};
    std::string path = truncated ? "..." : "";
    for (auto it = names.rbegin(); it != names.rend(); ++it) {
        path += '/';
        path += *it;
    }
    return path;
}

CounterTable::CounterTable(ProcessProbe probe, std::int64_t startedUnix)
    : probe_(std::move(probe)), startedUnix_(startedUnix) {}

CounterTable::Images CounterTable::LatestImages(const std::vector<ProcessSample>& samples) {
    Images latest;
    for (const ProcessSample& sample : samples) {
        std::uint32_t& execId = latest[{sample.key.pid, sample.key.startNs}];
        execId = std::max(execId, sample.key.execId);
    }
    return latest;
}

bool CounterTable::Running(const ProcessKey& key, const Images& latest) const {
    const auto image = latest.find({key.pid, key.startNs});
    if (image != latest.end() && image->second != key.execId) return false;
    const auto ticks = probe_.startTicks(key.pid);
    return ticks && *ticks == key.startNs / probe_.nanosecondsPerTick;
}

std::vector<ProcessKey> CounterTable::ExitedLongEnough(const std::vector<ProcessSample>& samples,
                                                       Clock::time_point now) {
    std::vector<ProcessKey> due;
    std::set<ProcessKey> present;
    const Images latest = LatestImages(samples);
    for (const ProcessSample& sample : samples) {
        present.insert(sample.key);
        if (Running(sample.key, latest)) {
            goneSince_.erase(sample.key);
            continue;
        }
        const auto [it, fresh] = goneSince_.try_emplace(sample.key, now);
        if (!fresh && now - it->second >= kGraceAfterExit) due.push_back(sample.key);
    }
    // Forget what the map no longer holds.
    std::erase_if(goneSince_, [&](const auto& entry) { return !present.contains(entry.first); });
    return due;
}

void CounterTable::Fold(const ProcessSample& finalSample) {
    std::pair<std::uint32_t, std::string> group{finalSample.uid, finalSample.executable};
    if (!folded_.contains(group)) {
        std::size_t& groups = groupsOf_[group.first];
        if (groups >= kMaxGroupsPerUser - 1 || folded_.size() >= kMaxGroups - 1) {
            group.second = kOtherExited;
        }
        if (!folded_.contains(group)) ++groups;
    }
    Add(folded_[group], finalSample.bytes);
    goneSince_.erase(finalSample.key);
}

Reply CounterTable::ReplyFor(std::uint32_t uid, const std::vector<ProcessSample>& samples,
                             const Unowned& unowned) const {
    const bool root = uid == 0;
    Reply reply;
    reply.startedUnix = startedUnix_;
    std::map<std::pair<std::uint32_t, std::string>, ByteCounts> exited;
    for (const auto& [group, bytes] : folded_) {
        if (root || group.first == uid) exited[group] = bytes;
    }
    const Images latest = LatestImages(samples);
    for (const ProcessSample& sample : samples) {
        if (!root && sample.uid != uid) continue;
        if (!Running(sample.key, latest)) {
            // Gone but not folded yet: already told as exited, so that a client never
            // sees its bytes vanish between two looks.
            Add(exited[{sample.uid, sample.executable}], sample.bytes);
            continue;
        }
        reply.processes.push_back({sample.key.pid, sample.key.startNs / probe_.nanosecondsPerTick,
                                   sample.uid, sample.bytes, sample.comm, sample.executable,
                                   probe_.unit(sample.key.pid)});
    }
    for (auto& [group, bytes] : exited) reply.exited.push_back({group.first, bytes, group.second});
    reply.refused = 0;
    for (const auto& [refusedUid, count] : unowned.refused) {
        if (root || refusedUid == uid) *reply.refused += count;
    }
    if (root) {
        reply.untagged = unowned.untagged;
        reply.kernel = unowned.kernel;
    }
    return reply;
}

std::string ReplyCache::Get(std::uint32_t uid, CounterTable::Clock::time_point now,
                            const std::function<std::string()>& make) {
    auto it = replies_.find(uid);
    if (it != replies_.end() && now - it->second.first < kFresh) return it->second.second;
    if (it == replies_.end() && replies_.size() >= kMaxUsers) {
        std::erase_if(replies_,
                      [&](const auto& entry) { return now - entry.second.first >= kFresh; });
    }
    std::string reply = make();
    if (replies_.size() < kMaxUsers) replies_[uid] = {now, reply};
    return reply;
}

}  // namespace bytelora::countd
