#include "netstats/LinuxLinkMessage.h"

#include <linux/if.h>
#include <linux/if_arp.h>
#include <linux/if_link.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "netstats/IfTableReader.h"
#include "netstats/NetlinkBytes.h"

namespace bytelora {

namespace {

template <typename Stats>
void ApplyStats(const Stats& s, InterfaceRow& r) {
    r.OctetsReceived(s.rx_bytes);
    r.OctetsSent(s.tx_bytes);
    // The kernel counts all packets plus multicast among them; MIB-II splits unicast and
    // non-unicast. Transmitted multicast is not counted separately.
    r.NonunicastPacketsReceived(s.multicast);
    r.UnicastPacketsReceived(s.rx_packets >= s.multicast ? s.rx_packets - s.multicast : 0);
    r.UnicastPacketsSent(s.tx_packets);
    r.DiscardedIncomingPackets(s.rx_dropped);
    r.IncomingErrors(s.rx_errors);
    r.DiscardedOutgoingPackets(s.tx_dropped);
    r.OutgoingErrors(s.tx_errors);
    r.UnknownProtocolPackets(s.rx_nohandler);
}

}  // namespace

bool ParseLinkMessage(std::span<const std::uint8_t> payload, LinkMessage& out) {
    if (payload.size() < sizeof(ifinfomsg)) return false;
    const auto info = LoadPrefix<ifinfomsg>(payload);
    InterfaceRow& r = out.record;
    out.arphrdType = info.ifi_type;
    r.InterfaceIndex(static_cast<std::uint32_t>(info.ifi_index));
    r.AdminStatus((info.ifi_flags & IFF_UP) != 0 ? kIfStatusUp : kIfStatusDown);
    r.OperationalStatus(MibOperStatus(IF_OPER_UNKNOWN));

    bool haveStats64 = false;
    std::span<const std::uint8_t> stats32;  // used only when the 64-bit ones are missing
    bool haveStats32 = false;
    std::size_t offset = NetlinkAlign(sizeof(ifinfomsg));
    while (offset + sizeof(rtattr) <= payload.size()) {
        const auto attr = LoadPrefix<rtattr>(payload.subspan(offset));
        if (attr.rta_len < sizeof(rtattr) || attr.rta_len > payload.size() - offset) break;
        const auto data = payload.subspan(offset + sizeof(rtattr), attr.rta_len - sizeof(rtattr));
        switch (attr.rta_type & NLA_TYPE_MASK) {
            case IFLA_IFNAME: {
                const auto* text = reinterpret_cast<const char*>(data.data());
                r.InterfaceName(std::string(text, strnlen(text, data.size())));
                break;
            }
            case IFLA_MTU:
                if (data.size() >= sizeof(std::uint32_t)) {
                    r.MaximumTransmissionUnit(LoadPrefix<std::uint32_t>(data));
                }
                break;
            case IFLA_ADDRESS:
                r.AdapterAddress(FormatAdapterAddress(data));
                break;
            case IFLA_OPERSTATE:
                if (!data.empty()) r.OperationalStatus(MibOperStatus(data[0]));
                break;
            case IFLA_STATS64:
                ApplyLinkStats64(data, r);
                haveStats64 = true;
                break;
            case IFLA_STATS:
                stats32 = data;
                haveStats32 = true;
                break;
            default:
                break;
        }
        offset += NetlinkAlign(attr.rta_len);
    }
    if (!haveStats64 && haveStats32) ApplyStats(LoadPrefix<rtnl_link_stats>(stats32), r);
    out.hasStats = haveStats64 || haveStats32;
    r.InterfaceDescription(r.InterfaceName());
    return true;
}

bool ParseStatsMessage(std::span<const std::uint8_t> payload, StatsMessage& out) {
    if (payload.size() < sizeof(if_stats_msg)) return false;
    out.index = LoadPrefix<if_stats_msg>(payload).ifindex;
    out.stats64 = {};
    std::size_t offset = NetlinkAlign(sizeof(if_stats_msg));
    while (offset + sizeof(rtattr) <= payload.size()) {
        const auto attr = LoadPrefix<rtattr>(payload.subspan(offset));
        if (attr.rta_len < sizeof(rtattr) || attr.rta_len > payload.size() - offset) break;
        // Other attributes (the kernel's alignment padding among them) are skipped.
        if ((attr.rta_type & NLA_TYPE_MASK) == IFLA_STATS_LINK_64) {
            out.stats64 = payload.subspan(offset + sizeof(rtattr), attr.rta_len - sizeof(rtattr));
        }
        offset += NetlinkAlign(attr.rta_len);
    }
    return true;
}

void ApplyLinkStats64(std::span<const std::uint8_t> stats64, InterfaceRow& record) {
    ApplyStats(LoadPrefix<rtnl_link_stats64>(stats64), record);
}

std::uint32_t MibInterfaceType(std::uint16_t arphrdType, bool wireless) {
    switch (arphrdType) {
        case ARPHRD_ETHER:
            return wireless ? kIfTypeWireless : kIfTypeEthernet;
        case ARPHRD_LOOPBACK:
            return kIfTypeLoopback;
        case ARPHRD_PPP:
            return kIfTypePpp;
        case ARPHRD_IEEE80211:
        case ARPHRD_IEEE80211_PRISM:
        case ARPHRD_IEEE80211_RADIOTAP:
            return kIfTypeWireless;
        case ARPHRD_TUNNEL:
        case ARPHRD_TUNNEL6:
        case ARPHRD_SIT:
        case ARPHRD_IPGRE:
        case ARPHRD_IP6GRE:
        case ARPHRD_NONE:  // tun devices and WireGuard
            return kIfTypeTunnel;
        default:
            return kIfTypeOther;
    }
}

std::uint32_t MibOperStatus(std::uint8_t operState) {
    switch (operState) {
        case IF_OPER_UP:
            return 1;
        case IF_OPER_DOWN:
            return 2;
        case IF_OPER_TESTING:
            return 3;
        case IF_OPER_DORMANT:
            return 5;
        case IF_OPER_NOTPRESENT:
            return 6;
        case IF_OPER_LOWERLAYERDOWN:
            return 7;
        default:
            return 4;  // unknown
    }
}

}  // namespace bytelora
