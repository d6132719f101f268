#include "netstats/LinuxLinkWatch.h"

#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>

#include <cerrno>

namespace bytelora {

namespace {

// Notifications that keep coming while they are drained are left for the next read.
constexpr int kMaxDrainedDatagrams = 4096;

}  // namespace

bool LinuxLinkWatch::Open() {
    UniqueFd fd(::socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC | SOCK_NONBLOCK, NETLINK_ROUTE));
    if (!fd.Valid()) return false;
    sockaddr_nl local{};
    local.nl_family = AF_NETLINK;
    local.nl_groups = RTMGRP_LINK;
    if (::bind(fd.Get(), reinterpret_cast<const sockaddr*>(&local), sizeof(local)) != 0) {
        return false;
    }
    socket_ = std::move(fd);
    return true;
}

LinuxLinkWatch::News LinuxLinkWatch::Drain() {
    if (!socket_.Valid()) return News::Changed;
    // Only whether something came matters, not what: a short buffer drops the rest of
    // each datagram.
    char scrap[64];
    bool changed = false;
    for (int datagram = 0; datagram < kMaxDrainedDatagrams; ++datagram) {
        const ssize_t received = ::recv(socket_.Get(), scrap, sizeof(scrap), MSG_DONTWAIT);
        if (received >= 0) {
            changed = true;
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            return changed ? News::Changed : News::Quiet;
        } else if (errno == ENOBUFS) {
            changed = true;  // the queue overran: notifications were lost
        } else if (errno != EINTR) {
            socket_.Reset();
            return News::Changed;
        }
    }
    return News::Changed;
}

}  // namespace bytelora
