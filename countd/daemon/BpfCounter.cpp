#include "countd/daemon/BpfCounter.h"

#include <bpf/bpf.h>
#include <bpf/libbpf.h>
#include <fcntl.h>

#include <cerrno>
#include <cstring>

#include "CounterRecords.h"
#include "countd.skel.h"

namespace bytelora::countd {

namespace {

// The kernel's own "not supported" (ENOTSUPP), which it may return from bpf() and which
// the C library does not name.
constexpr int kKernelNotSupported = 524;

std::string ErrorText(int error) {
    return std::strerror(error < 0 ? -error : error);
}

ProcessSample SampleOf(const owner_key& key, const process_record& record) {
    ProcessSample sample;
    sample.key = {key.pid, key.start_ns, key.exec_id};
    sample.uid = record.uid;
    sample.bytes = {record.received, record.sent};
    sample.comm.assign(record.comm, strnlen(record.comm, sizeof record.comm));
    const std::size_t used = std::min<std::size_t>(record.path_len, sizeof record.path);
    sample.executable =
        ExecutablePathFromNames({record.path, used}, (record.flags & COUNTD_PATH_TRUNCATED) != 0);
    return sample;
}

// Opens and loads the programs; without the first-use tracepoints when asked.
countd_bpf* OpenAndLoad(bool withFirstUse, int& error) {
    countd_bpf* skeleton = countd_bpf__open();
    if (!skeleton) {
        error = errno;
        return nullptr;
    }
    if (!withFirstUse) {
        bpf_program__set_autoload(skeleton->progs.tag_old_socket_on_send, false);
        bpf_program__set_autoload(skeleton->progs.tag_old_socket_on_receive, false);
    }
    error = countd_bpf__load(skeleton);
    if (error != 0) {
        countd_bpf__destroy(skeleton);
        return nullptr;
    }
    return skeleton;
}

}  // namespace

BpfCounter::Loaded BpfCounter::Load(const std::string& cgroupRoot, bool firstUse) {
    // libbpf's own chatter would go to stderr for every probe; the problem is told once.
    libbpf_set_print(nullptr);
    std::unique_ptr<BpfCounter> counter(new BpfCounter);
    counter->cgroup_.Reset(::open(cgroupRoot.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!counter->cgroup_.Valid()) {
        return {nullptr, "cannot open the cgroup v2 root " + cgroupRoot + ": " + ErrorText(errno)};
    }
    int error = 0;
    if (firstUse) counter->skeleton_ = OpenAndLoad(true, error);
    counter->tagsOldSockets_ = counter->skeleton_ != nullptr;
    // Kernels before 6.3 have no sock_send_length / sock_recv_length tracepoints.
    if (!counter->skeleton_) counter->skeleton_ = OpenAndLoad(false, error);
    if (!counter->skeleton_) {
        return {nullptr, "the kernel refused the counting programs: " + ErrorText(error)};
    }
    auto& progs = counter->skeleton_->progs;
    auto& links = counter->skeleton_->links;
    const int cgroup = counter->cgroup_.Get();
    links.tag_new_socket = bpf_program__attach_cgroup(progs.tag_new_socket, cgroup);
    links.fold_released_socket = bpf_program__attach_cgroup(progs.fold_released_socket, cgroup);
    links.count_ingress = bpf_program__attach_cgroup(progs.count_ingress, cgroup);
    links.count_egress = bpf_program__attach_cgroup(progs.count_egress, cgroup);
    if (!links.tag_new_socket || !links.fold_released_socket || !links.count_ingress ||
        !links.count_egress) {
        return {nullptr,
                "cannot attach the counting programs to " + cgroupRoot + ": " + ErrorText(errno)};
    }
    if (counter->tagsOldSockets_) {
        links.tag_old_socket_on_send = bpf_program__attach(progs.tag_old_socket_on_send);
        links.tag_old_socket_on_receive = bpf_program__attach(progs.tag_old_socket_on_receive);
        counter->tagsOldSockets_ = links.tag_old_socket_on_send && links.tag_old_socket_on_receive;
    }
    return {std::move(counter), {}};
}

BpfCounter::~BpfCounter() {
    countd_bpf__destroy(skeleton_);
}

std::vector<ProcessSample> BpfCounter::ReadProcesses() const {
    std::vector<ProcessSample> samples;
    const int map = bpf_map__fd(skeleton_->maps.processes);
    owner_key key{};
    owner_key next{};
    process_record record{};
    const owner_key* previous = nullptr;
    // The walk is bounded by the map's size even if entries come and go under it.
    for (int guard = 0; guard <= COUNTD_MAX_PROCESSES; ++guard) {
        if (bpf_map_get_next_key(map, previous, &next) != 0) break;
        key = next;
        previous = &key;
        if (bpf_map_lookup_elem(map, &key, &record) == 0) samples.push_back(SampleOf(key, record));
    }
    return samples;
}

namespace {

// One bucket's counts on every CPU; the error text when they cannot be read.
std::string ReadPerCpu(int map, __u32 index, std::vector<byte_counts>& perCpu) {
    const int cpus = libbpf_num_possible_cpus();
    if (cpus <= 0) return "cannot tell the number of CPUs: " + ErrorText(cpus);
    perCpu.assign(static_cast<std::size_t>(cpus), byte_counts{});
    if (bpf_map_lookup_elem(map, &index, perCpu.data()) != 0) return ErrorText(errno);
    return {};
}

ByteCounts ReadBucket(int map, __u32 index) {
    std::vector<byte_counts> perCpu;
    if (!ReadPerCpu(map, index, perCpu).empty()) return {};
    ByteCounts total;
    for (const byte_counts& counts : perCpu) {
        total.received += counts.received;
        total.sent += counts.sent;
    }
    return total;
}

}  // namespace

std::string BpfCounter::ProbeRead() const {
    std::vector<byte_counts> perCpu;
    return ReadPerCpu(bpf_map__fd(skeleton_->maps.buckets), COUNTD_BUCKET_UNTAGGED, perCpu);
}

CounterTable::Unowned BpfCounter::ReadUnowned() const {
    const int buckets = bpf_map__fd(skeleton_->maps.buckets);
    CounterTable::Unowned unowned{ReadBucket(buckets, COUNTD_BUCKET_UNTAGGED),
                                  ReadBucket(buckets, COUNTD_BUCKET_KERNEL)};
    const int shares = bpf_map__fd(skeleton_->maps.uid_shares);
    __u32 uid = 0;
    const __u32* previous = nullptr;
    uid_share share{};
    for (int guard = 0; guard <= COUNTD_MAX_UIDS; ++guard) {
        if (bpf_map_get_next_key(shares, previous, &uid) != 0) break;
        previous = &uid;
        if (bpf_map_lookup_elem(shares, &uid, &share) == 0 && share.refused > 0)
            unowned.refused[uid] = share.refused;
    }
    return unowned;
}

std::optional<ProcessSample> BpfCounter::Take(const ProcessKey& wanted) {
    const int map = bpf_map__fd(skeleton_->maps.processes);
    const owner_key key{wanted.pid, wanted.execId, wanted.startNs};
    process_record record{};
    if (!takesInTwoSteps_) {
        const int error = bpf_map_lookup_and_delete_elem(map, &key, &record);
        if (error == 0) return Taken(key, record);
        // Kernels before 5.14 refuse the command for hash maps; anything else (the
        // record already gone) is an answer.
        if (error != -EINVAL && error != -kKernelNotSupported && error != -EOPNOTSUPP)
            return std::nullopt;
        takesInTwoSteps_ = true;
    }
    if (bpf_map_lookup_elem(map, &key, &record) != 0) return std::nullopt;
    if (bpf_map_delete_elem(map, &key) != 0) return std::nullopt;
    return Taken(key, record);
}

ProcessSample BpfCounter::Taken(const owner_key& key, const process_record& record) {
    const __u64 taken = ++taken_[record.uid];
    bpf_map_update_elem(bpf_map__fd(skeleton_->maps.uid_taken), &record.uid, &taken, BPF_ANY);
    return SampleOf(key, record);
}

}  // namespace bytelora::countd
