#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "common/UniqueFd.h"

namespace bytelora::countd {

struct ServerLimits {
    // Connections held at once. When all are held, a new one takes the place of the
    // oldest connection of the uid that holds the most (see Admit in CountdServer.cpp),
    // so no uid, however many connections it opens, keeps another uid's request out.
    std::size_t maxClients = 64;
    // One uid holds at most this many; more are refused at once.
    std::size_t maxClientsPerUser = 8;
    // A client has this long to send its request (a few bytes, sent at once by every
    // real client), and then this long to read the reply.
    std::chrono::milliseconds requestTimeout{200};
    std::chrono::milliseconds replyTimeout{5000};
    // How often the periodic work runs (folding exited processes).
    std::chrono::milliseconds tick{5000};
};

// The counter's Unix socket: one poll loop, non-blocking sockets, one bounded request
// per connection, and deadlines, so that no client, however slow or hostile, can hold
// it up or reach another user's data (each reply is made for the peer's uid, taken from
// SO_PEERCRED, never from anything the client says).
class CountdServer {
  public:
    // The reply text for a client of this uid.
    using ReplyMaker = std::function<std::string(std::uint32_t uid)>;
    // The uid of the peer of an accepted connection; nothing when it cannot be told.
    using PeerUid = std::function<std::optional<std::uint32_t>(int fd)>;

    struct Listening {
        std::unique_ptr<CountdServer> server;
        std::string problem;
    };
    // Binds `path` with mode 0666. A stale socket left by a counter that died is
    // replaced; a live one, or a file that is not a socket, is left alone and refused.
    // Peers are told apart by `peerUid`, by default the kernel's SO_PEERCRED.
    static Listening Listen(const std::string& path, ServerLimits limits = {},
                            PeerUid peerUid = {});

    ~CountdServer();
    CountdServer(const CountdServer&) = delete;
    CountdServer& operator=(const CountdServer&) = delete;

    // Serves until Stop(); `onTick` runs every limits.tick.
    void Run(const ReplyMaker& makeReply, const std::function<void()>& onTick);
    // Ends Run from another thread or a signal handler (it only writes to an eventfd).
    void Stop() const;

    const std::string& Path() const { return path_; }

  private:
    CountdServer(std::string path, ServerLimits limits, PeerUid peerUid, UniqueFd listener,
                 UniqueFd wake);

    std::string path_;
    ServerLimits limits_;
    PeerUid peerUid_;
    UniqueFd listener_;
    UniqueFd wake_;
};

}  // namespace bytelora::countd
