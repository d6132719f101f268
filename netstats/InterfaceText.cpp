#include "netstats/InterfaceText.h"

#include "netstats/CInterface.h"

namespace bytelora {

std::string InterfaceTypeText(unsigned type) {
    switch (type) {
        case kIfTypeOther:
            return "other";
        case kIfTypeEthernet:
            return "ethernet";
        case kIfTypePpp:
            return "ppp";
        case kIfTypeLoopback:
            return "loopback";
        case kIfTypeWireless:
            return "wireless";
        case kIfTypeTunnel:
            return "tunnel";
        default:
            return "type " + std::to_string(type);
    }
}

std::string OperationalStatusText(unsigned status) {
    static const char* const kNames[] = {"up",      "down",       "testing",       "unknown",
                                         "dormant", "notpresent", "lowerlayerdown"};
    if (status >= 1 && status <= 7) return kNames[status - 1];
    return "status " + std::to_string(status);
}

}  // namespace bytelora
