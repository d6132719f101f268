#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "common/UniqueFd.h"

namespace bytelora::countd {

struct ServerLimits {
    std::size_t maxClients = 16;
    // One user holds at most this many of them, so that a user's silent connections
    // cannot keep the others waiting; more are refused at once.
    std::size_t maxClientsPerUser = 4;
    // A client has this long to send its request, and then this long to read the reply.
    std::chrono::milliseconds requestTimeout{2000};
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

    struct Listening {
        std::unique_ptr<CountdServer> server;
        std::string problem;
    };
    // Binds `path` with mode 0666. A stale socket left by a counter that died is
    // replaced; a live one, or a file that is not a socket, is left alone and refused.
    static Listening Listen(const std::string& path, ServerLimits limits = {});

    ~CountdServer();
    CountdServer(const CountdServer&) = delete;
    CountdServer& operator=(const CountdServer&) = delete;

    // Serves until Stop(); `onTick` runs every limits.tick.
    void Run(const ReplyMaker& makeReply, const std::function<void()>& onTick);
    // Ends Run from another thread or a signal handler (it only writes to an eventfd).
    void Stop() const;

    const std::string& Path() const { return path_; }

  private:
    CountdServer(std::string path, ServerLimits limits, UniqueFd listener, UniqueFd wake);

    std::string path_;
    ServerLimits limits_;
    UniqueFd listener_;
    UniqueFd wake_;
};

}  // namespace bytelora::countd
