#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/UniqueFd.h"
#include "countd/daemon/CounterTable.h"

struct countd_bpf;
struct owner_key;
struct process_record;

namespace bytelora::countd {

// The kernel programs, loaded and attached at the root of the cgroup v2 tree, and the
// maps they count into. Loading needs root; reading and deleting through the held map
// descriptors goes on working after root is given up: since kernel 6.0,
// kernel.unprivileged_bpf_disabled refuses only map creation and program loads (seen on
// 6.18 with the setting at 2, and checked by tests/countd/daemon/countd-accuracy.sh).
class BpfCounter {
  public:
    struct Loaded {
        std::unique_ptr<BpfCounter> counter;
        std::string problem;  // why it could not be loaded
    };
    // Without `firstUse`, the programs that tag a socket at its first send or receive
    // (kernel 6.3 and later) are left out, as on an older kernel: for tests of that case.
    static Loaded Load(const std::string& cgroupRoot, bool firstUse = true);

    ~BpfCounter();
    BpfCounter(const BpfCounter&) = delete;
    BpfCounter& operator=(const BpfCounter&) = delete;

    // Empty when the maps can be read; else why not. Before 5.19, a kernel with
    // kernel.unprivileged_bpf_disabled refuses every map read once root is given up.
    std::string ProbeRead() const;

    std::vector<ProcessSample> ReadProcesses() const;
    CounterTable::Unowned ReadUnowned() const;
    // Takes a process out of the map with its final bytes, in one step where the kernel
    // can (hash maps since 5.14), so that nothing added in between is lost, and gives
    // its place back to its uid's share.
    std::optional<ProcessSample> Take(const ProcessKey& key);
    // Whether sockets older than the counter are tagged on first use (kernel 6.3 and
    // later); otherwise their bytes stay untagged.
    bool TagsOldSockets() const { return tagsOldSockets_; }

  private:
    BpfCounter() = default;
    ProcessSample Taken(const owner_key& key, const process_record& record);

    countd_bpf* skeleton_ = nullptr;
    UniqueFd cgroup_;
    bool tagsOldSockets_ = false;
    // Set when the kernel cannot look up and delete in one step: a lookup, then a delete.
    bool takesInTwoSteps_ = false;
    // Records taken out per uid, which the kernel programs read to tell each uid's share.
    std::map<std::uint32_t, std::uint64_t> taken_;
};

}  // namespace bytelora::countd
