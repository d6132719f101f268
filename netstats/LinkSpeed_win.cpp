#include "netstats/LinkSpeed.h"

namespace bytelora {

std::uint64_t LinkSpeedBitsPerSecond(const CInterface& row) {
    return row.Speed();
}

}  // namespace bytelora
