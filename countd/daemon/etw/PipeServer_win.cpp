#include "countd/daemon/etw/PipeServer_win.h"

#include <sddl.h>

#include "common/WinText.h"
#include "countd/daemon/etw/ProcessLookup_win.h"
#include "countd/protocol/CountdProtocol.h"

namespace bytelora::countd {

namespace {

// Authenticated users may read and write; LocalSystem and administrators have it all.
constexpr wchar_t kPipeSecurity[] = L"D:(A;;GRGW;;;AU)(A;;GA;;;SY)(A;;GA;;;BA)";
constexpr DWORD kBufferBytes = 64 * 1024;

using Clock = std::chrono::steady_clock;

// Waits for an overlapped operation until `deadline`, or cancels it; the bytes moved.
std::optional<DWORD> Finish(HANDLE pipe, OVERLAPPED& io, BOOL started, Clock::time_point deadline) {
    if (!started && ::GetLastError() != ERROR_IO_PENDING) return std::nullopt;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    const DWORD wait = left.count() > 0 ? static_cast<DWORD>(left.count()) : 0;
    DWORD moved = 0;
    if (::WaitForSingleObject(io.hEvent, wait) != WAIT_OBJECT_0) {
        ::CancelIoEx(pipe, &io);
        ::GetOverlappedResult(pipe, &io, &moved, TRUE);
        return std::nullopt;
    }
    if (!::GetOverlappedResult(pipe, &io, &moved, FALSE)) return std::nullopt;
    return moved;
}

bool WriteAll(HANDLE pipe, HANDLE event, const std::string& text, Clock::time_point deadline) {
    std::size_t written = 0;
    while (written < text.size()) {
        OVERLAPPED io{};
        io.hEvent = event;
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(text.size() - written, kBufferBytes));
        const BOOL started = ::WriteFile(pipe, text.data() + written, chunk, nullptr, &io);
        const auto moved = Finish(pipe, io, started, deadline);
        if (!moved || *moved == 0) return false;
        written += *moved;
    }
    return true;
}

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

PipeServer::Listening PipeServer::Listen(const std::string& name, Limits limits,
                                         IdentifyClient identify) {
    const auto wide = Widen(name, CP_UTF8);
    if (!wide || name.rfind("\\\\.\\pipe\\", 0) != 0) return {nullptr, "not a pipe name: " + name};
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(kPipeSecurity, SDDL_REVISION_1,
                                                                &descriptor, nullptr)) {
        return {nullptr, "cannot make the pipe's access list (error " +
                             std::to_string(::GetLastError()) + ")"};
    }
    SECURITY_ATTRIBUTES security{sizeof security, descriptor, FALSE};
    // One instance, made first by this process: a pipe of that name made by someone else
    // already is refused rather than shared.
    WinHandle pipe(::CreateNamedPipeW(
        wide->c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
        PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1,
        kBufferBytes, kBufferBytes, 0, &security));
    const DWORD error = ::GetLastError();
    ::LocalFree(descriptor);
    if (!pipe.Valid()) {
        return {nullptr,
                "cannot make the pipe " + name + " (error " + std::to_string(error) +
                    (error == ERROR_ACCESS_DENIED ? ", is a counter running already?)" : ")")};
    }
    return {
        std::unique_ptr<PipeServer>(new PipeServer(std::move(pipe), limits, std::move(identify))),
        {}};
}

PipeServer::PipeServer(WinHandle pipe, Limits limits, IdentifyClient identify)
    : pipe_(std::move(pipe)),
      stop_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      io_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      limits_(limits),
      identify_(std::move(identify)) {}

void PipeServer::Run(const ReplyMaker& makeReply, const std::function<void()>& onTick) {
    WinHandle connected(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    auto nextTick = Clock::now() + limits_.tick;
    while (true) {
        OVERLAPPED io{};
        io.hEvent = connected.Get();
        ::ResetEvent(connected.Get());
        bool ready = false;
        if (::ConnectNamedPipe(pipe_.Get(), &io)) {
            ready = true;
        } else if (::GetLastError() == ERROR_PIPE_CONNECTED) {
            ready = true;
        } else if (::GetLastError() != ERROR_IO_PENDING) {
            ::DisconnectNamedPipe(pipe_.Get());  // a client that came and went: start over
            continue;
        }
        while (!ready) {
            const HANDLE waits[] = {stop_.Get(), connected.Get()};
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(nextTick - Clock::now());
            const DWORD woke = ::WaitForMultipleObjects(
                2, waits, FALSE, left.count() > 0 ? static_cast<DWORD>(left.count()) : 0);
            if (woke == WAIT_OBJECT_0) {
                ::CancelIoEx(pipe_.Get(), &io);
                DWORD ignored = 0;
                ::GetOverlappedResult(pipe_.Get(), &io, &ignored, TRUE);
                return;
            }
            if (woke == WAIT_OBJECT_0 + 1) {
                DWORD ignored = 0;
                ready = ::GetOverlappedResult(pipe_.Get(), &io, &ignored, FALSE) ||
                        ::GetLastError() == ERROR_PIPE_CONNECTED;
                if (!ready) break;
            } else {
                onTick();
                nextTick = Clock::now() + limits_.tick;
            }
        }
        if (ready) Serve(makeReply);
        ::DisconnectNamedPipe(pipe_.Get());
        if (Clock::now() >= nextTick) {
            onTick();
            nextTick = Clock::now() + limits_.tick;
        }
    }
}

void PipeServer::Serve(const ReplyMaker& makeReply) {
    const HANDLE pipe = pipe_.Get();
    const auto requestDeadline = Clock::now() + limits_.requestTimeout;
    std::string received;
    RequestParse request;
    while (request.state == RequestState::NeedMore) {
        char buffer[kMaxRequestBytes];
        OVERLAPPED io{};
        io.hEvent = io_.Get();
        const DWORD room = static_cast<DWORD>(kMaxRequestBytes - received.size());
        const BOOL started = ::ReadFile(pipe, buffer, room, nullptr, &io);
        const auto got = Finish(pipe, io, started, requestDeadline);
        if (!got || *got == 0) return;
        received.append(buffer, *got);
        request = ParseRequest(received);
    }
    const auto replyDeadline = Clock::now() + limits_.replyTimeout;
    if (request.state == RequestState::Bad) {
        WriteAll(pipe, io_.Get(), ErrorLine(request.error), replyDeadline);
    } else if (const auto client = identify_(pipe)) {
        if (!WriteAll(pipe, io_.Get(), makeReply(*client), replyDeadline)) return;
    } else {
        WriteAll(pipe, io_.Get(), ErrorLine("cannot tell who you are"), replyDeadline);
    }
    // Wait for the client's close: it has then read all it wanted.
    char rest[64];
    while (true) {
        OVERLAPPED io{};
        io.hEvent = io_.Get();
        const BOOL started = ::ReadFile(pipe, rest, sizeof rest, nullptr, &io);
        const auto got = Finish(pipe, io, started, replyDeadline);
        if (!got || *got == 0) return;
    }
}

}  // namespace bytelora::countd
