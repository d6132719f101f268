// The client on Windows: the counter's conversation on its named pipe.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <algorithm>
#include <utility>

#include "common/WinHandle.h"
#include "common/WinText.h"
#include "countd/client/CountdClient.h"

namespace bytelora::countd {

namespace {

// A reply larger than this is not believed (the counter's table is bounded well below).
constexpr std::size_t kMaxReplyBytes = 64u << 20;
constexpr const char* kEnableHint =
    "the Bytelora installer sets up the bytelora-countd service; an administrator starts it "
    "with: sc start bytelora-countd";

using Clock = std::chrono::steady_clock;

std::string NotRunning(const std::string& pipe, const std::string& why) {
    return "The per-application counter is not running (" + why + " at " + pipe +
           "); to enable it: " + kEnableHint;
}

DWORD MillisecondsLeft(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<DWORD>(left.count()) : 0;
}

// Waits for an overlapped operation until `deadline`, or cancels it; the bytes moved,
// or nothing on failure (ERROR_BROKEN_PIPE stays in GetLastError for the caller).
std::optional<DWORD> Finish(HANDLE pipe, OVERLAPPED& io, BOOL started, Clock::time_point deadline) {
    if (!started && ::GetLastError() != ERROR_IO_PENDING) return std::nullopt;
    DWORD moved = 0;
    if (::WaitForSingleObject(io.hEvent, MillisecondsLeft(deadline)) != WAIT_OBJECT_0) {
        ::CancelIoEx(pipe, &io);
        ::GetOverlappedResult(pipe, &io, &moved, TRUE);
        ::SetLastError(WAIT_TIMEOUT);
        return std::nullopt;
    }
    if (!::GetOverlappedResult(pipe, &io, &moved, FALSE)) return std::nullopt;
    return moved;
}

// The counter waits for the client's close before it lets go of the pipe, so the client
// reads until the reply is whole rather than until the end of the stream.
bool Whole(const std::string& text) {
    const bool refusal = text.rfind("error\t", 0) == 0 && !text.empty() && text.back() == '\n';
    return refusal || text == "end\n" || (text.size() > 5 && text.ends_with("\nend\n"));
}

}  // namespace

const char* DefaultCountdAddress() {
    return kDefaultCountdPipe;
}

std::optional<std::uint32_t> ClientUserId() {
    // The counter numbers Windows' users itself and answers each with their own
    // programs; an administrator's reply holds everyone's.
    return std::nullopt;
}

FetchResult FetchCounts(const std::string& pipeName, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    const auto wide = Widen(pipeName, CP_UTF8);
    if (!wide || wide->empty()) return {std::nullopt, NotRunning(pipeName, "no usable pipe name")};
    HANDLE raw = INVALID_HANDLE_VALUE;
    while (true) {
        // Identification only: the counter may learn who we are, never act as us.
        raw = ::CreateFileW(wide->c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_FLAG_OVERLAPPED | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION,
                            nullptr);
        if (raw != INVALID_HANDLE_VALUE) break;
        const DWORD error = ::GetLastError();
        if (error != ERROR_PIPE_BUSY) {
            return {std::nullopt, NotRunning(pipeName, error == ERROR_FILE_NOT_FOUND
                                                           ? "no pipe"
                                                           : "error " + std::to_string(error))};
        }
        // Another client is being answered: wait for the pipe, as long as the deadline allows.
        const DWORD left = MillisecondsLeft(deadline);
        if (left == 0 || !::WaitNamedPipeW(wide->c_str(), left)) {
            return {std::nullopt, NotRunning(pipeName, "it is busy")};
        }
    }
    const WinHandle pipe(raw);
    const WinHandle event(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    constexpr std::string_view request = "list\n";
    OVERLAPPED write{};
    write.hEvent = event.Get();
    const BOOL started = ::WriteFile(pipe.Get(), request.data(), static_cast<DWORD>(request.size()),
                                     nullptr, &write);
    const auto written = Finish(pipe.Get(), write, started, deadline);
    if (!written || *written != request.size()) {
        return {std::nullopt, NotRunning(pipeName, "it did not take the request")};
    }
    std::string text;
    char buffer[16384];
    while (!Whole(text)) {
        OVERLAPPED read{};
        read.hEvent = event.Get();
        ::ResetEvent(event.Get());
        const BOOL reading = ::ReadFile(pipe.Get(), buffer, sizeof buffer, nullptr, &read);
        const auto got = Finish(pipe.Get(), read, reading, deadline);
        if (!got) {
            if (::GetLastError() == ERROR_BROKEN_PIPE) break;  // the end of the stream
            return {std::nullopt, NotRunning(pipeName, "it did not answer in time")};
        }
        text.append(buffer, *got);
        if (text.size() > kMaxReplyBytes) return {std::nullopt, "the counter's reply is too large"};
    }
    ReplyParse parsed = ParseReply(text);
    if (!parsed.reply) {
        return {std::nullopt, "The per-application counter's answer is unusable: " + parsed.error};
    }
    return {std::move(parsed.reply), {}};
}

}  // namespace bytelora::countd
