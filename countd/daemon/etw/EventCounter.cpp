#include "countd/daemon/etw/EventCounter.h"

#include "countd/daemon/etw/KernelNetworkEvents.h"

namespace bytelora::countd {

namespace {

void Add(ByteCounts& to, bool received, std::uint64_t size) {
    (received ? to.received : to.sent) += size;
}

}  // namespace

EventCounter::EventCounter(IdentifyProcess identify, std::uint64_t nanosecondsPerTick)
    : identify_(std::move(identify)), nanosecondsPerTick_(nanosecondsPerTick) {}

void EventCounter::Count(const RawEvent& event) {
    if (!event.kernelNetwork) return;
    const TrafficEvent traffic = DecodeKernelNetworkEvent(event.id, event.payload);
    std::lock_guard lock(mutex_);
    if (traffic.verdict == EventVerdict::Truncated) ++malformed_;
    if (traffic.verdict != EventVerdict::Counted) return;
    if (traffic.pid == 0) {
        Add(unowned_, traffic.received, traffic.size);
        return;
    }
    auto named = named_.find(traffic.pid);
    if (named == named_.end()) {
        const auto identity = identify_(traffic.pid);
        if (!identity) {
            Add(unowned_, traffic.received, traffic.size);
            return;
        }
        const ProcessKey key{traffic.pid, identity->created * nanosecondsPerTick_};
        named = named_.emplace(traffic.pid, key).first;
        samples_.try_emplace(
            key, ProcessSample{key, identity->uid, {}, identity->comm, identity->executable});
    }
    auto sample = samples_.find(named->second);
    if (sample == samples_.end()) {
        // Taken (folded) while its pid was still named: the pid names anew.
        named_.erase(named);
        Add(unowned_, traffic.received, traffic.size);
        return;
    }
    Add(sample->second.bytes, traffic.received, traffic.size);
}

void EventCounter::Recheck(const ProcessCreated& created) {
    std::vector<std::pair<std::uint32_t, std::uint64_t>> named;
    {
        std::lock_guard lock(mutex_);
        for (const auto& [pid, key] : named_) named.emplace_back(pid, key.startNs);
    }
    // The system is asked without the lock, so that events keep flowing meanwhile.
    std::vector<std::uint32_t> stale;
    for (const auto& [pid, startNs] : named) {
        const auto now = created(pid);
        if (!now || *now * nanosecondsPerTick_ != startNs) stale.push_back(pid);
    }
    std::lock_guard lock(mutex_);
    for (const std::uint32_t pid : stale) named_.erase(pid);
}

std::vector<ProcessSample> EventCounter::Samples() const {
    std::lock_guard lock(mutex_);
    std::vector<ProcessSample> samples;
    samples.reserve(samples_.size());
    for (const auto& [key, sample] : samples_) samples.push_back(sample);
    return samples;
}

std::optional<ProcessSample> EventCounter::Take(const ProcessKey& key) {
    std::lock_guard lock(mutex_);
    const auto it = samples_.find(key);
    if (it == samples_.end()) return std::nullopt;
    ProcessSample sample = std::move(it->second);
    samples_.erase(it);
    if (const auto named = named_.find(key.pid); named != named_.end() && named->second == key) {
        named_.erase(named);
    }
    return sample;
}

CounterTable::Unowned EventCounter::Unowned() const {
    std::lock_guard lock(mutex_);
    // Windows has no kernel sockets of its own in these events, and no process is ever
    // refused a record here: only the bytes of processes that could not be named.
    return {unowned_, {}, {}};
}

std::uint64_t EventCounter::Malformed() const {
    std::lock_guard lock(mutex_);
    return malformed_;
}

}  // namespace bytelora::countd
