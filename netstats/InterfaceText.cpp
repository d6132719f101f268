#include "netstats/InterfaceText.h"

#include "common/Translate.h"
#include "netstats/InterfaceRow.h"

namespace bytelora {

std::string InterfaceTypeText(unsigned type) {
    switch (type) {
        case kIfTypeOther:
            return BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "other");
        case kIfTypeEthernet:
            return BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "ethernet");
        case kIfTypePpp:
            return BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "ppp");
        case kIfTypeLoopback:
            return BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "loopback");
        case kIfTypeWireless:
            return BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "wireless");
        case kIfTypeTunnel:
            return BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "tunnel");
        default:
            return "type " + std::to_string(type);
    }
}

std::string Rfc2863StatusText(unsigned status) {
    static const char* const kNames[] = {
        BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "up"),
        BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "down"),
        BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "testing"),
        BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "unknown"),
        BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "dormant"),
        BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "notpresent"),
        BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "lowerlayerdown")};
    if (status >= 1 && status <= 7) return kNames[status - 1];
    return "status " + std::to_string(status);
}

std::string IpHelperStatusText(unsigned status) {
    // MIB_IFROW's dwOperStatus: IF_OPER_STATUS_NON_OPERATIONAL (0) to _OPERATIONAL (5).
    static const char* const kNames[] = {
        BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "non-operational"),
        BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "unreachable"),
        BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "disconnected"),
        BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "connecting"),
        BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "connected"),
        BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "operational")};
    if (status <= 5) return kNames[status];
    return "status " + std::to_string(status);
}

std::string InterfaceWordText(const std::string& english) {
    return Translate("bytelora::InterfaceText", english.c_str());
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
