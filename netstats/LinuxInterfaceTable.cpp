#include "netstats/LinuxInterfaceTable.h"

#include <linux/if_arp.h>
#include <linux/if_link.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

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
// Now and then a full read, even with no change announced, so that a change a driver
// made without telling (none is known) lasts no longer than this many reads.
constexpr int kMaxCountersOnlyReads = 60;

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

TableReadResult LinuxInterfaceTable::Read(InterfaceTable& into) {
    if (!EnsureSocket()) return Fail();
    if (linksKept_ && !countersRefused_ && countersOnlyReads_ < kMaxCountersOnlyReads) {
        switch (ReadCounters()) {
            case Counters::Applied:
                ++countersOnlyReads_;
                CopyOut(into);
                return TableReadResult::Ok;
            case Counters::Failed:
                return Fail();
            case Counters::Stale:
                break;
        }
    }
    return ReadFull(into);
}

TableReadResult LinuxInterfaceTable::Fail() {
    // Whatever is still queued belongs to the failed dump, and the kept links may have
    // missed a change: the next read starts clean.
    socket_.Reset();
    watch_.Close();
    links_.clear();
    linksKept_ = false;
    return TableReadResult::Failed;
}

TableReadResult LinuxInterfaceTable::ReadFull(InterfaceTable& into) {
    // The watch listens from before the dump on, so that no change after it is missed;
    // what it holds now is in the dump.
    if (!watch_.Valid()) {
        watch_.Open();
    } else {
        watch_.Drain();
    }
    links_.clear();
    linksKept_ = false;
    for (auto& entry : wirelessCache_) entry.seen = false;
    ifinfomsg info{};
    info.ifi_family = AF_UNSPEC;
    if (Dump(RTM_GETLINK, &info, sizeof(info)) != Step::Done) return Fail();
    ForgetUnseenLinks();
    linksKept_ = watch_.Valid();
    countersOnlyReads_ = 0;
    ++fullReads_;
    CopyOut(into);
    return TableReadResult::Ok;
}

LinuxInterfaceTable::Counters LinuxInterfaceTable::ReadCounters() {
    counted_.assign(links_.size(), 0);
    nextLink_ = 0;
    linksDiffer_ = false;
    if_stats_msg request{};
    request.family = AF_UNSPEC;
    request.filter_mask = IFLA_STATS_FILTER_BIT(IFLA_STATS_LINK_64);
    switch (Dump(RTM_GETSTATS, &request, sizeof(request))) {
        case Step::Done:
            break;
        case Step::Refused:
            return Counters::Stale;
        default:
            return Counters::Failed;
    }
    // The watch is asked once per read, after the dump: every change made before the
    // dump ended (since the last read, or while it ran, which a look before it would
    // miss) has been announced by now. A link that came, or went and came back under its
    // old index, shows in the set of indexes or in the watch.
    if (watch_.Drain() == LinuxLinkWatch::News::Changed) return Counters::Stale;
    if (linksDiffer_ || std::find(counted_.begin(), counted_.end(), 0) != counted_.end()) {
        return Counters::Stale;
    }
    return Counters::Applied;
}

LinuxInterfaceTable::Step LinuxInterfaceTable::Dump(std::uint16_t type, const void* body,
                                                    std::size_t bodySize) {
    if (++seq_ == 0) seq_ = 1;
    std::uint8_t request[NLMSG_SPACE(std::max(sizeof(if_stats_msg), sizeof(ifinfomsg)))] = {};
    const std::size_t length = NLMSG_LENGTH(bodySize);
    if (length > sizeof(request)) return Step::Failed;
    nlmsghdr header{};
    header.nlmsg_len = static_cast<std::uint32_t>(length);
    header.nlmsg_type = type;
    header.nlmsg_flags = NLM_F_REQUEST | NLM_F_DUMP;
    header.nlmsg_seq = seq_;
    header.nlmsg_pid = portId_;
    std::memcpy(request, &header, sizeof(header));
    std::memcpy(request + NLMSG_HDRLEN, body, bodySize);
    sockaddr_nl kernel{};
    kernel.nl_family = AF_NETLINK;
    ssize_t sent;
    do {
        sent = ::sendto(socket_.Get(), request, length, 0,
                        reinterpret_cast<const sockaddr*>(&kernel), sizeof(kernel));
    } while (sent < 0 && errno == EINTR);
    if (sent != static_cast<ssize_t>(length)) return Step::Failed;

    dumping_ = type;
    interrupted_ = false;
    for (int datagram = 0; datagram < kMaxDatagramsPerDump; ++datagram) {
        const Step step = ReceiveOnce(seq_);
        if (step == Step::More) continue;
        // A dump that the kernel marks as interrupted may have skipped or repeated
        // links, which would make the totals jump.
        if (step == Step::Done && interrupted_) return Step::Failed;
        return step;
    }
    return Step::Failed;
}

LinuxInterfaceTable::Step LinuxInterfaceTable::ReceiveOnce(std::uint32_t seq) {
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
            const Step step = HandleMessage(header.nlmsg_type, payload);
            if (step != Step::More) return step;
        }
        offset += NetlinkAlign(header.nlmsg_len);
    }
    return Step::More;
}

LinuxInterfaceTable::Step LinuxInterfaceTable::HandleMessage(
    std::uint16_t type, std::span<const std::uint8_t> payload) {
    switch (type) {
        case NLMSG_DONE:
            // The end of a dump carries the dump's own result.
            return payload.size() >= sizeof(int) && LoadPrefix<int>(payload) < 0 ? Step::Failed
                                                                                 : Step::Done;
        case NLMSG_ERROR: {
            if (payload.size() < sizeof(int)) return Step::Failed;
            const int error = LoadPrefix<int>(payload);
            if (error == 0) return Step::More;
            // A kernel without the counters-only dump (before 4.7) refuses it; the dump
            // was never started, so nothing more comes for it.
            if (dumping_ == RTM_GETSTATS && (error == -EOPNOTSUPP || error == -EINVAL)) {
                countersRefused_ = true;
            }
            return Step::Refused;
        }
        case RTM_NEWLINK: {
            if (dumping_ != RTM_GETLINK) return Step::More;
            LinkMessage link;
            if (!ParseLinkMessage(payload, link)) return Step::Failed;
            const bool wireless =
                link.arphrdType == ARPHRD_ETHER &&
                IsWireless(link.record.InterfaceIndex(), link.record.InterfaceName());
            link.record.InterfaceType(MibInterfaceType(link.arphrdType, wireless));
            links_.push_back(std::move(link.record));
            return Step::More;
        }
        case RTM_NEWSTATS:
            return dumping_ == RTM_GETSTATS ? TakeCounters(payload) : Step::More;
        default:
            return Step::More;
    }
}

LinuxInterfaceTable::Step LinuxInterfaceTable::TakeCounters(std::span<const std::uint8_t> payload) {
    StatsMessage stats;
    if (!ParseStatsMessage(payload, stats)) return Step::Failed;
    std::size_t at = nextLink_;
    if (at >= links_.size() || links_[at].InterfaceIndex() != stats.index) {
        at = 0;
        while (at < links_.size() && links_[at].InterfaceIndex() != stats.index) ++at;
    }
    // A link not kept, one reported twice or one without its counters: the links are
    // not what they were. The rest of the dump is still read, so that the socket stays
    // clean for the full dump that follows.
    if (at == links_.size() || counted_[at] != 0 || stats.stats64.empty()) {
        linksDiffer_ = true;
        return Step::More;
    }
    ApplyLinkStats64(stats.stats64, links_[at]);
    counted_[at] = 1;
    nextLink_ = at + 1;
    return Step::More;
}

void LinuxInterfaceTable::CopyOut(InterfaceTable& into) const {
    into.Reserve(static_cast<std::size_t>(into.Count()) + links_.size());
    for (const InterfaceRow& link : links_) {
        auto record = std::make_shared<InterfaceRow>(link);
        into.Add(record);
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

}  // namespace bytelora
