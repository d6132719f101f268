#include "netstats/LinuxInterfaceTable.h"

#include <linux/if_arp.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "netstats/LinuxLinkMessage.h"
#include "netstats/NetlinkBytes.h"

namespace bytelora {

namespace {

// Dump replies are cut by the kernel to at most about 32 KiB per datagram, so this buffer
// normally takes a whole datagram; one interface with an unusually long reply grows it,
// up to the cap.
constexpr std::size_t kInitialReceiveBytes = 32 * 1024;
constexpr std::size_t kMaxReceiveBytes = 1024 * 1024;
// A dump that has not ended after this many datagrams is not going to.
constexpr int kMaxDatagramsPerDump = 4096;
// The read runs on the user-interface thread: never wait long for the kernel.
constexpr int kReceiveTimeoutMs = 1000;

}  // namespace

LinuxInterfaceTable::LinuxInterfaceTable(std::string sysClassNet)
    : sysClassNet_(std::move(sysClassNet)),
      receiveBuffer_(kInitialReceiveBytes),
      probe_(sysClassNet_) {}

bool LinuxInterfaceTable::EnsureSocket() {
    if (socket_.Valid()) return true;
    UniqueFd fd(::socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_ROUTE));
    if (!fd.Valid()) return false;
    const timeval timeout{kReceiveTimeoutMs / 1000, (kReceiveTimeoutMs % 1000) * 1000};
    if (::setsockopt(fd.Get(), SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof(timeout)) != 0) {
        return false;
    }
    sockaddr_nl local{};
    local.nl_family = AF_NETLINK;
    if (::bind(fd.Get(), reinterpret_cast<const sockaddr*>(&local), sizeof(local)) != 0) {
        return false;
    }
    socklen_t length = sizeof(local);
    if (::getsockname(fd.Get(), reinterpret_cast<sockaddr*>(&local), &length) != 0) return false;
    portId_ = local.nl_pid;
    socket_ = std::move(fd);
    return true;
}

TableReadResult LinuxInterfaceTable::Read(CInterfaces& into) {
    if (!EnsureSocket()) return TableReadResult::Failed;
    const std::int32_t before = into.Count();
    const auto fail = [&] {
        // Whatever is still queued belongs to this dump; a fresh socket starts clean.
        socket_.Reset();
        while (into.Count() > before) into.Remove(into.Count());
        return TableReadResult::Failed;
    };

    if (++seq_ == 0) seq_ = 1;
    struct {
        nlmsghdr header;
        ifinfomsg info;
    } request{};
    request.header.nlmsg_len = sizeof(request);
    request.header.nlmsg_type = RTM_GETLINK;
    request.header.nlmsg_flags = NLM_F_REQUEST | NLM_F_DUMP;
    request.header.nlmsg_seq = seq_;
    request.header.nlmsg_pid = portId_;
    request.info.ifi_family = AF_UNSPEC;
    sockaddr_nl kernel{};
    kernel.nl_family = AF_NETLINK;
    ssize_t sent;
    do {
        sent = ::sendto(socket_.Get(), &request, sizeof(request), 0,
                        reinterpret_cast<const sockaddr*>(&kernel), sizeof(kernel));
    } while (sent < 0 && errno == EINTR);
    if (sent != static_cast<ssize_t>(sizeof(request))) return fail();

    interrupted_ = false;
    for (auto& entry : wirelessCache_) entry.seen = false;
    for (int datagram = 0; datagram < kMaxDatagramsPerDump; ++datagram) {
        switch (ReceiveOnce(seq_, into)) {
            case Step::More:
                continue;
            case Step::Failed:
                return fail();
            case Step::Done:
                // A dump that the kernel marks as interrupted may have skipped or repeated
                // links, which would make the totals jump.
                if (interrupted_) return fail();
                ForgetUnseenLinks();
                return TableReadResult::Ok;
        }
    }
    return fail();
}

LinuxInterfaceTable::Step LinuxInterfaceTable::ReceiveOnce(std::uint32_t seq, CInterfaces& into) {
    sockaddr_nl from{};
    iovec vector{receiveBuffer_.data(), receiveBuffer_.size()};
    msghdr message{};
    message.msg_name = &from;
    message.msg_namelen = sizeof(from);
    message.msg_iov = &vector;
    message.msg_iovlen = 1;
    ssize_t received;
    do {
        received = ::recvmsg(socket_.Get(), &message, 0);
    } while (received < 0 && errno == EINTR);
    if (received < 0) return Step::Failed;
    if ((message.msg_flags & MSG_TRUNC) != 0) {
        // The rest of this datagram is lost; the next read has room for it.
        receiveBuffer_.resize(std::min(receiveBuffer_.size() * 2, kMaxReceiveBytes));
        return Step::Failed;
    }
    if (from.nl_pid != 0) return Step::More;  // not from the kernel

    const std::span<const std::uint8_t> bytes(receiveBuffer_.data(),
                                              static_cast<std::size_t>(received));
    std::size_t offset = 0;
    while (offset + sizeof(nlmsghdr) <= bytes.size()) {
        const auto header = LoadPrefix<nlmsghdr>(bytes.subspan(offset));
        if (header.nlmsg_len < sizeof(nlmsghdr) || header.nlmsg_len > bytes.size() - offset) {
            return Step::Failed;
        }
        // Replies to an earlier request that was given up on are not ours.
        if (header.nlmsg_seq == seq && header.nlmsg_pid == portId_) {
            if ((header.nlmsg_flags & NLM_F_DUMP_INTR) != 0) interrupted_ = true;
            const auto payload =
                bytes.subspan(offset + sizeof(nlmsghdr), header.nlmsg_len - sizeof(nlmsghdr));
            const Step step = HandleMessage(header.nlmsg_type, payload, into);
            if (step != Step::More) return step;
        }
        offset += NetlinkAlign(header.nlmsg_len);
    }
    return Step::More;
}

LinuxInterfaceTable::Step LinuxInterfaceTable::HandleMessage(std::uint16_t type,
                                                             std::span<const std::uint8_t> payload,
                                                             CInterfaces& into) {
    switch (type) {
        case NLMSG_DONE:
            // The end of a dump carries the dump's own result.
            return payload.size() >= sizeof(int) && LoadPrefix<int>(payload) < 0 ? Step::Failed
                                                                                 : Step::Done;
        case NLMSG_ERROR:
            return payload.size() >= sizeof(int) && LoadPrefix<int>(payload) == 0 ? Step::More
                                                                                  : Step::Failed;
        case RTM_NEWLINK: {
            LinkMessage link;
            if (!ParseLinkMessage(payload, link)) return Step::Failed;
            const bool wireless =
                link.arphrdType == ARPHRD_ETHER &&
                IsWireless(link.record.InterfaceIndex(), link.record.InterfaceName());
            link.record.InterfaceType(MibInterfaceType(link.arphrdType, wireless));
            auto record = std::make_shared<CInterface>(std::move(link.record));
            into.Add(record);
            return Step::More;
        }
        default:
            return Step::More;
    }
}

bool LinuxInterfaceTable::IsWireless(std::uint32_t index, const std::string& name) {
    for (auto& entry : wirelessCache_) {
        if (entry.index == index && entry.name == name) {
            entry.seen = true;
            return entry.wireless;
        }
    }
    const bool wireless = IsWirelessInterface(name, sysClassNet_);
    wirelessCache_.push_back({index, name, wireless, true});
    return wireless;
}

void LinuxInterfaceTable::ForgetUnseenLinks() {
    std::erase_if(wirelessCache_, [](const WirelessEntry& entry) { return !entry.seen; });
}

std::unique_ptr<InterfaceTableSource> MakeSystemInterfaceTable() {
    return std::make_unique<LinuxInterfaceTable>();
}

}  // namespace bytelora
