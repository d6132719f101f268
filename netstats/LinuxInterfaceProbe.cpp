#include "netstats/LinuxInterfaceProbe.h"

#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>
#include <sys/time.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "common/UniqueFd.h"
#include "netstats/NetlinkBytes.h"

namespace bytelora {

namespace {

// Calls `each(type, value)` for every whole attribute in `bytes`.
template <typename Each>
void ForEachAttribute(std::span<const std::uint8_t> bytes, Each&& each) {
    std::size_t offset = 0;
    while (offset + sizeof(rtattr) <= bytes.size()) {
        const auto attribute = LoadPrefix<rtattr>(bytes.subspan(offset));
        if (attribute.rta_len < sizeof(rtattr) || attribute.rta_len > bytes.size() - offset) {
            return;
        }
        each(attribute.rta_type,
             bytes.subspan(offset + sizeof(rtattr), attribute.rta_len - sizeof(rtattr)));
        offset += NetlinkAlign(attribute.rta_len);
    }
}

void AddOnce(std::vector<std::uint32_t>& indexes, std::uint32_t index) {
    if (index != 0 && std::find(indexes.begin(), indexes.end(), index) == indexes.end()) {
        indexes.push_back(index);
    }
}

constexpr int kReceiveTimeoutMs = 1000;
constexpr int kMaxDatagrams = 4096;

}  // namespace

void DefaultRouteInterfaces(std::span<const std::uint8_t> payload,
                            std::vector<std::uint32_t>& indexes) {
    if (payload.size() < sizeof(rtmsg)) return;
    const auto route = LoadPrefix<rtmsg>(payload);
    if (route.rtm_family != AF_INET && route.rtm_family != AF_INET6) return;
    if (route.rtm_dst_len != 0 || route.rtm_type != RTN_UNICAST) return;
    std::uint32_t table = route.rtm_table;
    const auto attributes =
        payload.subspan(NetlinkAlign(sizeof(rtmsg)) <= payload.size() ? NetlinkAlign(sizeof(rtmsg))
                                                                      : payload.size());
    ForEachAttribute(attributes, [&](unsigned short type, std::span<const std::uint8_t> value) {
        if (type == RTA_TABLE && value.size() >= sizeof(std::uint32_t)) {
            table = LoadPrefix<std::uint32_t>(value);
        }
    });
    if (table == RT_TABLE_LOCAL) return;
    ForEachAttribute(attributes, [&](unsigned short type, std::span<const std::uint8_t> value) {
        if (type == RTA_OIF && value.size() >= sizeof(std::uint32_t)) {
            AddOnce(indexes, LoadPrefix<std::uint32_t>(value));
        } else if (type == RTA_MULTIPATH) {
            std::size_t offset = 0;
            while (offset + sizeof(rtnexthop) <= value.size()) {
                const auto hop = LoadPrefix<rtnexthop>(value.subspan(offset));
                if (hop.rtnh_len < sizeof(rtnexthop) || hop.rtnh_len > value.size() - offset) {
                    break;
                }
                AddOnce(indexes, static_cast<std::uint32_t>(hop.rtnh_ifindex));
                offset += NetlinkAlign(hop.rtnh_len);
            }
        }
    });
}

std::optional<std::vector<std::uint32_t>> DumpDefaultRouteInterfaces() {
    UniqueFd socket(::socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_ROUTE));
    if (!socket.Valid()) return std::nullopt;
    const timeval timeout{kReceiveTimeoutMs / 1000, (kReceiveTimeoutMs % 1000) * 1000};
    if (::setsockopt(socket.Get(), SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof(timeout)) != 0) {
        return std::nullopt;
    }
    struct {
        nlmsghdr header;
        rtmsg route;
    } request{};
    request.header.nlmsg_len = sizeof(request);
    request.header.nlmsg_type = RTM_GETROUTE;
    request.header.nlmsg_flags = NLM_F_REQUEST | NLM_F_DUMP;
    request.header.nlmsg_seq = 1;
    request.route.rtm_family = AF_UNSPEC;  // IPv4 and IPv6 together
    sockaddr_nl kernel{};
    kernel.nl_family = AF_NETLINK;
    ssize_t sent;
    do {
        sent = ::sendto(socket.Get(), &request, sizeof(request), 0,
                        reinterpret_cast<const sockaddr*>(&kernel), sizeof(kernel));
    } while (sent < 0 && errno == EINTR);
    if (sent != static_cast<ssize_t>(sizeof(request))) return std::nullopt;

    std::vector<std::uint32_t> indexes;
    // Dump datagrams hold at most about 32 KiB.
    std::vector<std::uint8_t> buffer(64 * 1024);
    for (int datagram = 0; datagram < kMaxDatagrams; ++datagram) {
        ssize_t received;
        do {
            received = ::recv(socket.Get(), buffer.data(), buffer.size(), MSG_TRUNC);
        } while (received < 0 && errno == EINTR);
        if (received < 0) return std::nullopt;
        // A cut datagram lost routes; the next change of interfaces asks again.
        if (static_cast<std::size_t>(received) > buffer.size()) return std::nullopt;
        const std::span<const std::uint8_t> bytes(buffer.data(),
                                                  static_cast<std::size_t>(received));
        std::size_t offset = 0;
        while (offset + sizeof(nlmsghdr) <= bytes.size()) {
            const auto header = LoadPrefix<nlmsghdr>(bytes.subspan(offset));
            if (header.nlmsg_len < sizeof(nlmsghdr) || header.nlmsg_len > bytes.size() - offset) {
                return std::nullopt;
            }
            const auto payload =
                bytes.subspan(offset + sizeof(nlmsghdr), header.nlmsg_len - sizeof(nlmsghdr));
            if (header.nlmsg_type == NLMSG_DONE) return indexes;
            if (header.nlmsg_type == NLMSG_ERROR) return std::nullopt;
            if (header.nlmsg_type == RTM_NEWROUTE) DefaultRouteInterfaces(payload, indexes);
            offset += NetlinkAlign(header.nlmsg_len);
        }
    }
    return std::nullopt;
}

bool HasHardwareDevice(const std::string& name, const std::string& root) {
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos) {
        return false;
    }
    std::error_code error;
    const auto target = std::filesystem::read_symlink(root + "/" + name, error);
    if (error) return false;
    // e.g. ../../devices/pci0000:00/0000:00:1f.6/net/eno1 against
    //      ../../devices/virtual/net/br0
    const std::string text = target.generic_string();
    return text.find("/devices/") != std::string::npos &&
           text.find("/devices/virtual/") == std::string::npos;
}

LinuxInterfaceProbe::LinuxInterfaceProbe(std::string sysClassNet, RouteDump routes)
    : sysClassNet_(std::move(sysClassNet)), routes_(std::move(routes)) {}

void LinuxInterfaceProbe::Probe(const InterfaceTable& table, std::vector<InterfaceFacts>& facts) {
    const auto routes = routes_ ? routes_() : std::nullopt;
    facts.assign(static_cast<std::size_t>(table.Count()), InterfaceFacts{});
    // Interfaces that went away are forgotten, so a returning index is looked at afresh.
    std::erase_if(known_, [&](const Known& known) {
        return std::none_of(table.begin(), table.end(), [&](const InterfaceTable::Record& row) {
            return row && row->InterfaceIndex() == known.index &&
                   row->InterfaceName() == known.name;
        });
    });
    std::size_t at = 0;
    for (const auto& row : table) {
        InterfaceFacts& fact = facts[at++];
        if (!row) continue;
        const auto found = std::find_if(known_.begin(), known_.end(), [&](const Known& known) {
            return known.index == row->InterfaceIndex() && known.name == row->InterfaceName();
        });
        if (found != known_.end()) {
            fact.hardware = found->hardware;
        } else {
            ++lookups_;
            fact.hardware = HasHardwareDevice(row->InterfaceName(), sysClassNet_);
            known_.push_back({row->InterfaceIndex(), row->InterfaceName(), fact.hardware});
        }
        fact.defaultRoute = routes && std::find(routes->begin(), routes->end(),
                                                row->InterfaceIndex()) != routes->end();
    }
}

}  // namespace bytelora
