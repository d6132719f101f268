#include "netstats/LinkSpeed.h"
#include "netstats/LinuxSysfs.h"

namespace bytelora {

std::uint64_t LinkSpeedBitsPerSecond(const InterfaceRow& row) {
    return std::uint64_t{ReadLinkSpeedMbps(row.InterfaceName())} * 1'000'000u;
}

}  // namespace bytelora
