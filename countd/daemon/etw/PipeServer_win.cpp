#include "countd/daemon/etw/PipeServer_win.h"

#include <sddl.h>

#include <algorithm>
#include <map>

#include "common/WinText.h"
#include "countd/daemon/etw/ProcessLookup_win.h"
#include "countd/protocol/CountdProtocol.h"

namespace bytelora::countd {

namespace {

// Authenticated users may read and write; LocalSystem and administrators have it all
// (only they may make further instances of the pipe).
constexpr wchar_t kPipeSecurity[] = L"D:(A;;GRGW;;;AU)(A;;GA;;;SY)(A;;GA;;;BA)";
constexpr DWORD kBufferBytes = 64 * 1024;

using Clock = std::chrono::steady_clock;

bool IsAdministrator(HANDLE token) {
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    if (!::AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0,
                                    0, 0, 0, 0, 0, &administrators)) {
        return false;
    }
    BOOL member = FALSE;
    const bool checked = ::CheckTokenMembership(token, administrators, &member);
    ::FreeSid(administrators);
    return checked && member;
}

}  // namespace

std::optional<ClientIdentity> PipeServer::ClientOfToken(HANDLE pipe) {
    if (!::ImpersonateNamedPipeClient(pipe)) return std::nullopt;
    HANDLE raw = nullptr;
    const BOOL opened = ::OpenThreadToken(::GetCurrentThread(), TOKEN_QUERY, TRUE, &raw);
    ::RevertToSelf();
    if (!opened) return std::nullopt;
    const WinHandle token(raw);
    ClientIdentity client;
    client.sid = UserSidOfToken(token.Get());
    // Membership counts only where it is enabled: an administrator's unelevated token
    // carries the group for denying only, and sees their own programs alone.
    client.administrator = IsAdministrator(token.Get());
    if (client.sid.empty()) return std::nullopt;
    return client;
}

// One instance of the pipe and where its conversation stands. It never moves (its
// OVERLAPPED belongs to the system while an operation is under way).
struct PipeServer::Connection {
    // Unusable: the system would not listen on it; tried again at the next tick.
    enum class Stage { Waiting, Reading, Writing, Closing, Unusable };
    bool Busy() const { return stage != Stage::Waiting && stage != Stage::Unusable; }

    WinHandle pipe;
    WinHandle event{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    OVERLAPPED io{};
    bool underWay = false;  // an operation on `io` has not finished yet
    Stage stage = Stage::Waiting;
    std::uint64_t arrival = 0;  // the order of connecting, oldest first
    Clock::time_point deadline;
    std::string received;
    std::optional<ClientIdentity> client;  // once the request has been read
    bool answered = false;                 // given the counts, not refused
    std::string reply;
    std::size_t written = 0;
    char buffer[kMaxRequestBytes];

    // Whether the operation just begun (`finished` is what its call returned) is under
    // way: the event tells when it is done, even when it is done already.
    bool Began(BOOL finished) {
        underWay = finished || ::GetLastError() == ERROR_IO_PENDING;
        return underWay;
    }
};

PipeServer::Listening PipeServer::Listen(const std::string& name, Limits limits,
                                         IdentifyClient identify) {
    const auto wide = Widen(name, CP_UTF8);
    if (!wide || name.rfind("\\\\.\\pipe\\", 0) != 0) return {nullptr, "not a pipe name: " + name};
    if (limits.instances < 2 || limits.instances > MAXIMUM_WAIT_OBJECTS - 1) {
        return {nullptr, "the pipe needs between 2 and 63 instances"};
    }
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(kPipeSecurity, SDDL_REVISION_1,
                                                                &descriptor, nullptr)) {
        return {nullptr, "cannot make the pipe's access list (error " +
                             std::to_string(::GetLastError()) + ")"};
    }
    SECURITY_ATTRIBUTES security{sizeof security, descriptor, FALSE};
    std::vector<std::unique_ptr<Connection>> connections;
    DWORD error = 0;
    for (std::size_t i = 0; i < limits.instances; ++i) {
        // The first instance is made by this process or not at all: a pipe of that name
        // made by someone else already is refused rather than shared.
        const DWORD first = i == 0 ? FILE_FLAG_FIRST_PIPE_INSTANCE : 0;
        auto connection = std::make_unique<Connection>();
        connection->pipe = WinHandle(::CreateNamedPipeW(
            wide->c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | first,
            PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS,
            static_cast<DWORD>(limits.instances), kBufferBytes, kBufferBytes, 0, &security));
        if (!connection->pipe.Valid() || !connection->event.Valid()) {
            error = ::GetLastError();
            break;
        }
        connection->io.hEvent = connection->event.Get();
        connections.push_back(std::move(connection));
    }
    ::LocalFree(descriptor);
    if (connections.size() != limits.instances) {
        return {nullptr,
                "cannot make the pipe " + name + " (error " + std::to_string(error) +
                    (error == ERROR_ACCESS_DENIED ? ", is a counter running already?)" : ")")};
    }
    return {std::unique_ptr<PipeServer>(
                new PipeServer(std::move(connections), limits, std::move(identify))),
            {}};
}

PipeServer::PipeServer(std::vector<std::unique_ptr<Connection>> connections, Limits limits,
                       IdentifyClient identify)
    : connections_(std::move(connections)),
      stop_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      limits_(limits),
      identify_(std::move(identify)) {}

PipeServer::~PipeServer() {
    // Nothing of a connection may be freed while the system may still write into it.
    for (const auto& connection : connections_) {
        if (!connection->underWay) continue;
        ::CancelIoEx(connection->pipe.Get(), &connection->io);
        DWORD ignored = 0;
        ::GetOverlappedResult(connection->pipe.Get(), &connection->io, &ignored, TRUE);
    }
}

// Waits for the next client on this instance.
void PipeServer::Listen(Connection& connection) {
    connection.stage = Connection::Stage::Waiting;
    connection.received.clear();
    connection.client.reset();
    connection.answered = false;
    connection.reply.clear();
    connection.written = 0;
    connection.underWay = false;
    for (int attempt = 0; attempt < 3; ++attempt) {
        ::ResetEvent(connection.event.Get());
        const BOOL now = ::ConnectNamedPipe(connection.pipe.Get(), &connection.io);
        const DWORD error = now ? ERROR_PIPE_CONNECTED : ::GetLastError();
        if (error == ERROR_IO_PENDING) {
            connection.underWay = true;
            return;
        }
        if (error == ERROR_PIPE_CONNECTED) {
            // Came between the making and the call: the loop takes it up as if the wait
            // had ended.
            ::SetEvent(connection.event.Get());
            return;
        }
        if (error != ERROR_NO_DATA) break;
        ::DisconnectNamedPipe(connection.pipe.Get());  // one that came and went already
    }
    // Left out until the next tick rather than tried again without end; the other
    // instances serve on.
    connection.stage = Connection::Stage::Unusable;
}

// Ends the conversation on this instance, whatever it was doing, and waits for the next.
void PipeServer::Recycle(Connection& connection) {
    if (connection.underWay) {
        ::CancelIoEx(connection.pipe.Get(), &connection.io);
        DWORD ignored = 0;
        ::GetOverlappedResult(connection.pipe.Get(), &connection.io, &ignored, TRUE);
        connection.underWay = false;
    }
    ::DisconnectNamedPipe(connection.pipe.Get());
    Listen(connection);
}

bool PipeServer::Read(Connection& connection, char* into, std::size_t size) {
    ::ResetEvent(connection.event.Get());
    return connection.Began(
        ::ReadFile(connection.pipe.Get(), into, static_cast<DWORD>(size), nullptr, &connection.io));
}

bool PipeServer::Write(Connection& connection) {
    const DWORD chunk = static_cast<DWORD>(
        std::min<std::size_t>(connection.reply.size() - connection.written, kBufferBytes));
    ::ResetEvent(connection.event.Get());
    return connection.Began(::WriteFile(connection.pipe.Get(),
                                        connection.reply.data() + connection.written, chunk,
                                        nullptr, &connection.io));
}

// The request is whole (or unusable): the reply, an error line, or a refusal.
// Who sent it is told first, whatever it is: a connection with a bad request is still
// its user's, and counts among theirs when room must be made.
void PipeServer::Answer(Connection& connection, const ReplyMaker& makeReply) {
    const RequestParse request = ParseRequest(connection.received);
    connection.client = identify_(connection.pipe.Get());
    if (!connection.client) {
        connection.reply = ErrorLine("cannot tell who you are");
    } else if (request.state == RequestState::Bad) {
        connection.reply = ErrorLine(request.error);
    } else {
        std::size_t held = 0;
        for (const auto& other : connections_) {
            if (other->answered && other->client->sid == connection.client->sid) ++held;
        }
        connection.answered = held < limits_.maxClientsPerUser;
        connection.reply = connection.answered
                               ? makeReply(*connection.client)
                               : ErrorLine("too many connections of this user at once");
    }
    connection.stage = Connection::Stage::Writing;
    connection.deadline = Clock::now() + limits_.replyTimeout;
}

// The step a finished operation leads to.
void PipeServer::Advance(Connection& connection, const ReplyMaker& makeReply) {
    DWORD moved = 0;
    const bool done = !connection.underWay ||
                      ::GetOverlappedResult(connection.pipe.Get(), &connection.io, &moved, FALSE);
    connection.underWay = false;
    switch (connection.stage) {
        case Connection::Stage::Waiting:
            if (!done && ::GetLastError() != ERROR_PIPE_CONNECTED) return Recycle(connection);
            connection.stage = Connection::Stage::Reading;
            connection.arrival = ++arrivals_;
            connection.deadline = Clock::now() + limits_.requestTimeout;
            MakeRoom(connection);
            break;
        case Connection::Stage::Reading:
            if (!done || moved == 0) return Recycle(connection);
            connection.received.append(connection.buffer, moved);
            if (ParseRequest(connection.received).state != RequestState::NeedMore) {
                Answer(connection, makeReply);
            }
            break;
        case Connection::Stage::Writing:
            if (!done || moved == 0) return Recycle(connection);
            connection.written += moved;
            if (connection.written == connection.reply.size()) {
                // Wait for the client's close: it has then read all it wanted, and
                // disconnecting first would throw away what it has not read yet.
                connection.stage = Connection::Stage::Closing;
            }
            break;
        case Connection::Stage::Closing:
            if (!done || moved == 0) return Recycle(connection);
            break;
        case Connection::Stage::Unusable:
            return;
    }
    bool started = false;
    switch (connection.stage) {
        case Connection::Stage::Reading:
            started =
                Read(connection, connection.buffer, kMaxRequestBytes - connection.received.size());
            break;
        case Connection::Stage::Writing:
            started = Write(connection);
            break;
        case Connection::Stage::Closing:
            started = Read(connection, connection.buffer, sizeof connection.buffer);
            break;
        case Connection::Stage::Waiting:
        case Connection::Stage::Unusable:
            return;
    }
    if (!started) Recycle(connection);
}

// When `newcomer` took the last waiting instance, another connection makes way, so that
// the next client finds one: the oldest whose user is not known (it has not sent its
// request, which every real client sends at once, or could not be told), else the oldest
// of the user who holds the most. A user who opens many connections thus pushes out only
// their own, or those of a user holding as many.
void PipeServer::MakeRoom(const Connection& newcomer) {
    Connection* unknown = nullptr;
    std::map<std::string, std::size_t> held;
    for (const auto& connection : connections_) {
        if (connection->stage == Connection::Stage::Waiting) return;  // room enough
        if (connection->client) {
            ++held[connection->client->sid];
        } else if (connection.get() != &newcomer && connection->Busy() &&
                   (!unknown || connection->arrival < unknown->arrival)) {
            unknown = connection.get();
        }
    }
    Connection* victim = unknown;
    if (!victim) {
        std::size_t most = 0;
        for (const auto& [sid, count] : held) most = std::max(most, count);
        for (const auto& connection : connections_) {
            if (connection->client && held[connection->client->sid] == most &&
                (!victim || connection->arrival < victim->arrival)) {
                victim = connection.get();
            }
        }
    }
    if (victim) Recycle(*victim);
}

void PipeServer::Run(const ReplyMaker& makeReply, const std::function<void()>& onTick) {
    for (const auto& connection : connections_) Listen(*connection);
    auto nextTick = Clock::now() + limits_.tick;
    std::vector<HANDLE> waits;
    while (true) {
        waits.assign(1, stop_.Get());
        auto wakeAt = nextTick;
        for (const auto& connection : connections_) {
            waits.push_back(connection->event.Get());
            if (connection->Busy()) {
                wakeAt = std::min(wakeAt, connection->deadline);
            }
        }
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(wakeAt - Clock::now());
        const DWORD woke = ::WaitForMultipleObjects(
            static_cast<DWORD>(waits.size()), waits.data(), FALSE,
            static_cast<DWORD>(std::clamp<long long>(left.count(), 0, 60'000)));
        if (woke == WAIT_OBJECT_0 || woke == WAIT_FAILED) return;
        // Every instance whose operation has finished, each once a round, so that a busy
        // client keeps none of the others waiting.
        for (const auto& connection : connections_) {
            if (::WaitForSingleObject(connection->event.Get(), 0) != WAIT_OBJECT_0) continue;
            ::ResetEvent(connection->event.Get());
            Advance(*connection, makeReply);
        }
        const auto now = Clock::now();
        for (const auto& connection : connections_) {
            if (connection->Busy() && now >= connection->deadline) Recycle(*connection);
        }
        if (now >= nextTick) {
            for (const auto& connection : connections_) {
                if (connection->stage == Connection::Stage::Unusable) Recycle(*connection);
            }
            onTick();
            nextTick = Clock::now() + limits_.tick;
        }
    }
}

}  // namespace bytelora::countd
