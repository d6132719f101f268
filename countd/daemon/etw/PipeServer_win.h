#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "countd/daemon/etw/UserNumbers.h"
#include "common/WinHandle.h"

namespace bytelora::countd {

// The Windows counter's named pipe: the same conversation as the Linux counter's socket
// ("list", a reply, the close), with the same guarantees. Several instances of the pipe
// are served at once by one thread, each with deadlines; one user holds only a few of
// them, and one instance is always waiting, so that no user, however many connections
// they open, keeps another user's request out. Who the client is comes from its token
// (ImpersonateNamedPipeClient, once its request has been read), never from anything it
// sends.
class PipeServer {
  public:
    using ReplyMaker = std::function<std::string(const ClientIdentity& client)>;
    // Who the client on `pipe` is; nothing when it cannot be told (it is then refused).
    using IdentifyClient = std::function<std::optional<ClientIdentity>(HANDLE pipe)>;

    struct Limits {
        // Instances of the pipe; one of them always waits for the next client. When a
        // client takes the last waiting one, another connection makes room (see
        // PipeServer_win.cpp), as the Linux counter's newcomers do.
        std::size_t instances = 16;
        // One user holds at most this many answered connections; more are refused.
        std::size_t maxClientsPerUser = 4;
        std::chrono::milliseconds requestTimeout{200};
        // To read the reply and close: the counter waits for the client's close, since
        // disconnecting first would throw away what it has not read yet.
        std::chrono::milliseconds replyTimeout{5000};
        std::chrono::milliseconds tick{1000};
    };

    struct Listening {
        std::unique_ptr<PipeServer> server;
        std::string problem;
    };
    // Makes the pipe `name` (\\.\pipe\...), readable and writable by authenticated users,
    // refusing a name some other process holds already.
    static Listening Listen(const std::string& name, Limits limits,
                            IdentifyClient identify = ClientOfToken);
    static std::optional<ClientIdentity> ClientOfToken(HANDLE pipe);

    // Serves until Stop(); `onTick` runs every limits.tick.
    void Run(const ReplyMaker& makeReply, const std::function<void()>& onTick);
    void Stop() const { ::SetEvent(stop_.Get()); }

    ~PipeServer();
    PipeServer(const PipeServer&) = delete;
    PipeServer& operator=(const PipeServer&) = delete;

  private:
    struct Connection;
    PipeServer(std::vector<std::unique_ptr<Connection>> connections, Limits limits,
               IdentifyClient identify);

    void Listen(Connection& connection);
    void Recycle(Connection& connection);
    void Advance(Connection& connection, const ReplyMaker& makeReply);
    void Answer(Connection& connection, const ReplyMaker& makeReply);
    void MakeRoom(const Connection& newcomer);
    bool Read(Connection& connection, char* into, std::size_t size);
    bool Write(Connection& connection);

    std::vector<std::unique_ptr<Connection>> connections_;
    WinHandle stop_;
    Limits limits_;
    IdentifyClient identify_;
    std::uint64_t arrivals_ = 0;
};

}  // namespace bytelora::countd
