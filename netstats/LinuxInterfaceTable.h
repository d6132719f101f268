#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/UniqueFd.h"
#include "netstats/InterfaceTableSource.h"
#include "netstats/LinuxInterfaceProbe.h"
#include "netstats/LinuxLinkWatch.h"
#include "netstats/LinuxSysfs.h"

namespace bytelora {

// The kernel's interface table over rtnetlink, with the 64-bit counters. A full read is
// an RTM_GETLINK dump, whose records are kept; while the links stay as they were, a read
// asks only for the counters (an RTM_GETSTATS dump, a small fraction of the kernel's
// work) and puts them into copies of the kept records. A socket subscribed to the link
// notifications tells when the links changed. The sockets and the receive buffer live
// as long as the object, so a read costs a request and a reply or two and nothing else.
class LinuxInterfaceTable final : public InterfaceTableSource {
  public:
    explicit LinuxInterfaceTable(std::string sysClassNet = kSysClassNet);

    TableReadResult Read(InterfaceTable& into) override;
    unsigned CounterBits() const override { return 64; }
    InterfaceProbe* Probe() override { return &probe_; }

    // How many reads took the full link dump.
    std::uint64_t FullReads() const { return fullReads_; }

  private:
    enum class Step { More, Done, Failed, Refused };
    enum class Counters { Applied, Stale, Failed };

    bool EnsureSocket();
    TableReadResult Fail();
    TableReadResult ReadFull(InterfaceTable& into);
    Counters ReadCounters();
    Step Dump(std::uint16_t type, const void* body, std::size_t bodySize);
    Step ReceiveOnce(std::uint32_t seq);
    Step HandleMessage(std::uint16_t type, std::span<const std::uint8_t> payload);
    Step TakeCounters(std::span<const std::uint8_t> payload);
    void CopyOut(InterfaceTable& into) const;
    bool IsWireless(std::uint32_t index, const std::string& name);
    void ForgetUnseenLinks();

    struct WirelessEntry {
        std::uint32_t index;
        std::string name;
        bool wireless;
        bool seen;
    };

    std::string sysClassNet_;
    UniqueFd socket_;
    std::uint32_t portId_ = 0;
    std::uint32_t seq_ = 0;
    std::uint16_t dumping_ = 0;  // the request type of the dump being read
    bool interrupted_ = false;
    std::vector<std::uint8_t> receiveBuffer_;
    LinuxLinkWatch watch_;
    // The last full read's records, their counters brought up to date by each read since;
    // trusted only while `linksKept_`, that is while the watch has been listening since
    // before the full read.
    std::vector<InterfaceRow> links_;
    bool linksKept_ = false;
    // During a counters dump: which kept links have had theirs, where the next one
    // probably is (the kernel keeps its order), and whether the links differ.
    std::vector<char> counted_;
    std::size_t nextLink_ = 0;
    bool linksDiffer_ = false;
    bool countersRefused_ = false;  // the kernel has no counters-only dump
    int countersOnlyReads_ = 0;
    std::uint64_t fullReads_ = 0;
    // Telling wireless from wired ethernet takes sysfs look-ups, too slow for every
    // read; an entry holds as long as the same index keeps the same name.
    std::vector<WirelessEntry> wirelessCache_;
    LinuxInterfaceProbe probe_;
};

}  // namespace bytelora
