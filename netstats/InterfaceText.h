#pragma once

#include <string>

namespace bytelora {

// The text of a MIB-II interface type and operational status, for listings:
// "ethernet", "wireless"..., "up", "down"...; unknown values as numbers.
std::string InterfaceTypeText(unsigned type);
std::string OperationalStatusText(unsigned status);

}  // namespace bytelora
