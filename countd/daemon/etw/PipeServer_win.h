#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "countd/daemon/etw/UserNumbers.h"
#include "countd/daemon/etw/WinHandle_win.h"

namespace bytelora::countd {

// The Windows counter's named pipe: the same conversation as the Linux counter's socket
// ("list", a reply, the close), one client at a time, each with deadlines so that none
// can hold the others up for longer than they allow. Who the client is comes from its
// token (ImpersonateNamedPipeClient), never from anything it sends.
class PipeServer {
  public:
    using ReplyMaker = std::function<std::string(const ClientIdentity& client)>;
    // Who the client on `pipe` is; nothing when it cannot be told (it is then refused).
    using IdentifyClient = std::function<std::optional<ClientIdentity>(HANDLE pipe)>;

    struct Limits {
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

  private:
    PipeServer(WinHandle pipe, Limits limits, IdentifyClient identify);
    void Serve(const ReplyMaker& makeReply);

    WinHandle pipe_;
    WinHandle stop_;
    WinHandle io_;
    Limits limits_;
    IdentifyClient identify_;
};

}  // namespace bytelora::countd
