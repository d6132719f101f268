#include "monitor/TrafficSampler.h"

#include "netstats/InterfaceTotals.h"

namespace bytelora {

namespace {

constexpr std::uint64_t kCounter32Range = std::uint64_t{1} << 32;

}  // namespace

TrafficSampler::TrafficSampler(unsigned counterBits) : wraps32_(counterBits == 32) {}

void TrafficSampler::Sample(const InterfaceTable& table, std::chrono::steady_clock::time_point at) {
    if (totals_.started && table.Count() == 0) {
        changes_.clear();
        return;
    }
    const double seconds =
        totals_.started ? std::chrono::duration<double>(at - totals_.sampledAt).count() : 0.0;

    if (selection_) selection_->Update(table);
    matched_.assign(tracked_.size(), false);
    std::size_t count = 0;
    std::size_t position = 0;
    for (const InterfaceTable::Record& record : table) {
        const bool counted = selection_ ? selection_->Counts(position)
                                        : record && CountsTowardTotals(table, *record);
        ++position;
        if (!record || !counted) {
            continue;
        }
        std::uint64_t received = record->OctetsReceived();
        std::uint64_t sent = record->OctetsSent();
        if (wraps32_) {
            received %= kCounter32Range;
            sent %= kCounter32Range;
        }
        // A newcomer (or every interface at the first read) starts from what it counts
        // now: its earlier traffic happened before we were watching it.
        std::uint64_t receivedChange = 0;
        std::uint64_t sentChange = 0;
        if (const Tracked* before =
                FindPrevious(record->InterfaceIndex(), record->InterfaceName())) {
            receivedChange = Change(before->received, received, seconds);
            sentChange = Change(before->sent, sent, seconds);
            totals_.bytesReceived += receivedChange;
            totals_.bytesSent += sentChange;
        }
        if (count == next_.size()) {
            next_.emplace_back();
        }
        if (count == changes_.size()) {
            changes_.emplace_back();
        }
        InterfaceChange& change = changes_[count];
        change.name = record->InterfaceName();
        change.received = receivedChange;
        change.sent = sentChange;
        change.counterReceived = received;
        change.counterSent = sent;
        Tracked& entry = next_[count++];
        entry.index = record->InterfaceIndex();
        entry.name = record->InterfaceName();  // assignment keeps the storage of earlier reads
        entry.received = received;
        entry.sent = sent;
    }
    next_.resize(count);
    changes_.resize(count);
    tracked_.swap(next_);

    totals_.sampledAt = at;
    if (!totals_.started) {
        totals_.started = true;
        totals_.startedAt = at;
    }
}

std::uint64_t TrafficSampler::Change(std::uint64_t before, std::uint64_t now,
                                     double seconds) const {
    if (now >= before) {
        return now - before;
    }
    if (wraps32_) {
        // A 32-bit counter wraps every 34 s at 1 Gbit/s, so going down is normally a wrap.
        // But an adapter reset also sends it down, and reading that as a wrap would add up
        // to 4 GB at once: a wrap has to fit the time that passed.
        const std::uint64_t wrapped = kCounter32Range - before + now;
        if (static_cast<double>(wrapped) <= kMaxWrapBytesPerSecond * seconds) {
            return wrapped;
        }
    }
    // 64-bit counters do not wrap in any machine's lifetime: going down is a reset, and
    // what the counter shows now is what it counted since.
    return now;
}

const TrafficSampler::Tracked* TrafficSampler::FindPrevious(std::uint32_t index,
                                                            const std::string& name) {
    for (std::size_t i = 0; i < tracked_.size(); ++i) {
        // An index that the system hands to another adapter is a different interface.
        if (!matched_[i] && tracked_[i].index == index && tracked_[i].name == name) {
            matched_[i] = true;
            return &tracked_[i];
        }
    }
    return nullptr;
}

}  // namespace bytelora
