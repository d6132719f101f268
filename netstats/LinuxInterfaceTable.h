#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/UniqueFd.h"
#include "netstats/InterfaceTableSource.h"
#include "netstats/LinuxInterfaceProbe.h"
#include "netstats/LinuxSysfs.h"

namespace bytelora {

// The kernel's interface table over rtnetlink: one RTM_GETLINK dump per read, with the
// 64-bit counters. The socket and the receive buffer live as long as the object, so a
// read costs a request and a reply or two and nothing else.
class LinuxInterfaceTable final : public InterfaceTableSource {
  public:
    explicit LinuxInterfaceTable(std::string sysClassNet = kSysClassNet);

    TableReadResult Read(CInterfaces& into) override;
    unsigned CounterBits() const override { return 64; }
    InterfaceProbe* Probe() override { return &probe_; }

  private:
    enum class Step { More, Done, Failed };

    bool EnsureSocket();
    Step ReceiveOnce(std::uint32_t seq, CInterfaces& into);
    Step HandleMessage(std::uint16_t type, std::span<const std::uint8_t> payload,
                       CInterfaces& into);
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
    bool interrupted_ = false;
    std::vector<std::uint8_t> receiveBuffer_;
    // Telling wireless from wired ethernet takes sysfs look-ups, too slow for every
    // read; an entry holds as long as the same index keeps the same name.
    std::vector<WirelessEntry> wirelessCache_;
    LinuxInterfaceProbe probe_;
};

}  // namespace bytelora
