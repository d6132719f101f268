#include "countd/daemon/CountdServer.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <vector>

#include "countd/protocol/CountdProtocol.h"

namespace bytelora::countd {

namespace {

using SteadyClock = std::chrono::steady_clock;

struct Client {
    UniqueFd fd;
    std::uint32_t uid = 0;
    std::string received;
    std::string reply;  // empty while the request is being read
    std::size_t written = 0;
    SteadyClock::time_point deadline;
};

std::string Failed(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

bool FillAddress(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.data(), path.size());
    return true;
}

// Whether a counter already answers on `path`.
bool SomeoneListens(const sockaddr_un& address) {
    UniqueFd probe(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    return probe.Valid() &&
           ::connect(probe.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

// Reads what the request may still need; a request is never longer than the limit.
bool ReadRequest(Client& client) {
    char buffer[kMaxRequestBytes];
    const std::size_t room = kMaxRequestBytes - client.received.size();
    const ssize_t got = ::recv(client.fd.Get(), buffer, room, MSG_DONTWAIT);
    if (got == 0) return false;
    if (got < 0) return errno == EAGAIN || errno == EINTR;
    client.received.append(buffer, static_cast<std::size_t>(got));
    return true;
}

std::optional<std::uint32_t> KernelPeerUid(int fd) {
    ucred peer{};
    socklen_t length = sizeof peer;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) != 0) return std::nullopt;
    return peer.uid;
}

void Refuse(const UniqueFd& fd, const std::string& why) {
    const std::string refusal = ErrorLine(why);
    [[maybe_unused]] const ssize_t sent =
        ::send(fd.Get(), refusal.data(), refusal.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
}

// Whether a newcomer of `uid` gets a place, making room when all are held. Every uid
// may hold up to its own limit; when the total is reached, the newcomer takes the place
// of the oldest connection of the uid that holds the most (the newcomer's own uid
// included). A uid that opens many connections thus only ever pushes out its own, or
// those of a uid holding as many: a uid with fewer, such as one that has just come to
// ask, is never pushed out by it. Real clients send their request at once and are
// answered in the same round, so they are rarely the oldest of anyone.
bool Admit(std::vector<Client>& clients, std::uint32_t uid, const ServerLimits& limits) {
    std::map<std::uint32_t, std::size_t> held;
    for (const Client& client : clients) ++held[client.uid];
    if (held[uid] >= limits.maxClientsPerUser) return false;
    if (clients.size() < limits.maxClients) return true;
    std::size_t most = 0;
    for (const auto& [holder, count] : held) most = std::max(most, count);
    // The vector is in the order of acceptance: the first found is the oldest.
    const auto oldest = std::find_if(clients.begin(), clients.end(),
                                     [&](const Client& c) { return held[c.uid] == most; });
    if (oldest == clients.end()) return false;
    clients.erase(oldest);
    return true;
}

// Sends what the socket takes now; false when the client is done with or gone.
bool WriteReply(Client& client) {
    while (client.written < client.reply.size()) {
        const ssize_t sent =
            ::send(client.fd.Get(), client.reply.data() + client.written,
                   client.reply.size() - client.written, MSG_DONTWAIT | MSG_NOSIGNAL);
        if (sent < 0) return errno == EAGAIN || errno == EINTR;
        client.written += static_cast<std::size_t>(sent);
    }
    return false;
}

}  // namespace

CountdServer::Listening CountdServer::Listen(const std::string& path, ServerLimits limits,
                                             PeerUid peerUid) {
    sockaddr_un address;
    if (!FillAddress(path, address))
        return {nullptr, "the socket path is empty or too long: " + path};
    struct stat existing {};
    if (::lstat(path.c_str(), &existing) == 0) {
        if (!S_ISSOCK(existing.st_mode)) return {nullptr, path + " exists and is not a socket"};
        if (SomeoneListens(address)) return {nullptr, "a counter already runs on " + path};
        if (::unlink(path.c_str()) != 0)
            return {nullptr, Failed("cannot replace the stale socket " + path)};
    }
    UniqueFd listener(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!listener.Valid()) return {nullptr, Failed("socket")};
    // Made open to every user from the start (the mode comes from the umask at bind
    // time): every local user may ask, and what they are told depends on who they are.
    // Nothing is changed on the path after the bind, which another name could by then
    // stand for.
    const mode_t oldMask = ::umask(0111);
    const int bound =
        ::bind(listener.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address);
    const int bindError = errno;
    ::umask(oldMask);
    if (bound != 0) {
        errno = bindError;
        return {nullptr, Failed("cannot bind " + path)};
    }
    if (::listen(listener.Get(), 64) != 0) return {nullptr, Failed("listen")};
    UniqueFd wake(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC));
    if (!wake.Valid()) return {nullptr, Failed("eventfd")};
    return {std::unique_ptr<CountdServer>(new CountdServer(path, limits, std::move(peerUid),
                                                           std::move(listener), std::move(wake))),
            {}};
}

CountdServer::CountdServer(std::string path, ServerLimits limits, PeerUid peerUid,
                           UniqueFd listener, UniqueFd wake)
    : path_(std::move(path)),
      limits_(limits),
      peerUid_(std::move(peerUid)),
      listener_(std::move(listener)),
      wake_(std::move(wake)) {}

CountdServer::~CountdServer() {
    ::unlink(path_.c_str());
}

void CountdServer::Stop() const {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(wake_.Get(), &one, sizeof one);
}

void CountdServer::Run(const ReplyMaker& makeReply, const std::function<void()>& onTick) {
    std::vector<Client> clients;
    auto nextTick = SteadyClock::now() + limits_.tick;
    while (true) {
        std::vector<pollfd> watched;
        watched.push_back({wake_.Get(), POLLIN, 0});
        // Always accepting: at the cap a newcomer may push out an older connection.
        watched.push_back({listener_.Get(), POLLIN, 0});
        auto wakeAt = nextTick;
        for (const Client& client : clients) {
            watched.push_back(
                {client.fd.Get(), static_cast<short>(client.reply.empty() ? POLLIN : POLLOUT), 0});
            wakeAt = std::min(wakeAt, client.deadline);
        }
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(wakeAt - SteadyClock::now());
        const int timeout = static_cast<int>(std::clamp<long long>(wait.count(), 0, 60'000));
        if (::poll(watched.data(), watched.size(), timeout) < 0 && errno != EINTR) return;
        if (watched[0].revents & POLLIN) return;

        const auto now = SteadyClock::now();
        // Clients first, by their poll slots (the vector has not changed since the poll).
        std::vector<bool> keep(clients.size(), true);
        for (std::size_t i = 0; i < clients.size(); ++i) {
            Client& client = clients[i];
            const short events = watched[i + 2].revents;
            if (now >= client.deadline) {
                keep[i] = false;
                continue;
            }
            if (events == 0) continue;
            if (client.reply.empty()) {
                if (!(events & POLLIN) || !ReadRequest(client)) {
                    keep[i] = false;
                    continue;
                }
                const RequestParse parsed = ParseRequest(client.received);
                if (parsed.state == RequestState::NeedMore) continue;
                client.reply = parsed.state == RequestState::List ? makeReply(client.uid)
                                                                  : ErrorLine(parsed.error);
                client.deadline = now + limits_.replyTimeout;
            }
            keep[i] = WriteReply(client);
        }
        std::size_t slot = 0;
        std::erase_if(clients, [&](const Client&) { return !keep[slot++]; });

        if (watched[1].revents & POLLIN) {
            // Bounded, so that a flood of connections cannot keep the loop from its clients.
            for (std::size_t taken = 0; taken < limits_.maxClients; ++taken) {
                UniqueFd fd(
                    ::accept4(listener_.Get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
                if (!fd.Valid()) break;
                const std::optional<std::uint32_t> uid =
                    peerUid_ ? peerUid_(fd.Get()) : KernelPeerUid(fd.Get());
                if (!uid) continue;
                if (!Admit(clients, *uid, limits_)) {
                    Refuse(fd, "too many connections of this user at once");
                    continue;
                }
                clients.push_back({std::move(fd), *uid, {}, {}, 0, now + limits_.requestTimeout});
            }
        }
        if (now >= nextTick) {
            if (onTick) onTick();
            nextTick = SteadyClock::now() + limits_.tick;
        }
    }
}

}  // namespace bytelora::countd
