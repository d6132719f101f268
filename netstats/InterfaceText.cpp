#include "netstats/InterfaceText.h"

#include "netstats/InterfaceRow.h"

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

std::string Rfc2863StatusText(unsigned status) {
    static const char* const kNames[] = {"up",      "down",       "testing",       "unknown",
                                         "dormant", "notpresent", "lowerlayerdown"};
    if (status >= 1 && status <= 7) return kNames[status - 1];
    return "status " + std::to_string(status);
}

std::string IpHelperStatusText(unsigned status) {
    // MIB_IFROW's dwOperStatus: IF_OPER_STATUS_NON_OPERATIONAL (0) to _OPERATIONAL (5).
    static const char* const kNames[] = {"non-operational", "unreachable", "disconnected",
                                         "connecting",      "connected",   "operational"};
    if (status <= 5) return kNames[status];
    return "status " + std::to_string(status);
}

std::string InterfaceLabel(const InterfaceRow& row) {
    return row.Alias().empty() ? row.InterfaceName() : row.Alias();
}

std::string DescriptionBesideAlias(const InterfaceRow& row) {
    const std::string& description = row.InterfaceDescription();
    if (row.Alias().empty() || description == row.Alias()) return {};
    return description;
}

std::string InterfaceLabelWithDescription(const InterfaceRow& row) {
    const std::string description = DescriptionBesideAlias(row);
    if (description.empty()) return InterfaceLabel(row);
    return row.Alias() + " (" + description + ")";
}

bool NamesInterface(const std::string& typed, const InterfaceRow& row) {
    return typed == row.InterfaceName() || (!row.Alias().empty() && typed == row.Alias());
}

}  // namespace bytelora
