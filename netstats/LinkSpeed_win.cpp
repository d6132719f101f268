#include "netstats/LinkSpeed.h"

namespace bytelora {

std::uint64_t LinkSpeedBitsPerSecond(const InterfaceRow& row) {
    return row.Speed();
}

}  // namespace bytelora
