#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "common/UniqueFd.h"
#include "countd/client/CountdClient.h"

namespace bytelora::countd {

namespace {

// A reply larger than this is not believed (the counter's table is bounded well below).
constexpr std::size_t kMaxReplyBytes = 64u << 20;

std::string NotRunning(const std::string& path, const std::string& why) {
    return "The per-application counter is not running (" + why + " at " + path +
           "); to enable it: " + kEnableCountdHint;
}

// Waits for `events` until `deadline`; false on timeout or error.
bool WaitFor(int fd, short events, std::chrono::steady_clock::time_point deadline) {
    while (true) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd watched{fd, events, 0};
        const int ready = ::poll(&watched, 1, static_cast<int>(left.count()));
        if (ready > 0) return true;
        if (ready < 0 && errno != EINTR) return false;
    }
}

}  // namespace

const char* DefaultCountdAddress() {
    return kDefaultCountdSocket;
}

std::optional<std::uint32_t> ClientUserId() {
    return static_cast<std::uint32_t>(::geteuid());
}

FetchResult FetchCounts(const std::string& socketPath, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.empty() || socketPath.size() >= sizeof address.sun_path) {
        return {std::nullopt, NotRunning(socketPath, "no usable socket path")};
    }
    std::memcpy(address.sun_path, socketPath.data(), socketPath.size());
    UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!fd.Valid()) return {std::nullopt, std::string("cannot make a socket: ") + std::strerror(errno)};
    if (::connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        // A full listen queue answers EAGAIN on a non-blocking Unix socket.
        if (errno != EAGAIN && errno != EINPROGRESS) {
            const bool missing = errno == ENOENT;
            return {std::nullopt, NotRunning(socketPath, missing ? "no socket" : std::strerror(errno))};
        }
        return {std::nullopt, NotRunning(socketPath, "it is busy")};
    }
    constexpr std::string_view request = "list\n";
    std::size_t sent = 0;
    while (sent < request.size()) {
        const ssize_t n = ::send(fd.Get(), request.data() + sent, request.size() - sent, MSG_NOSIGNAL);
        if (n >= 0) {
            sent += static_cast<std::size_t>(n);
        } else if (errno == EAGAIN ? !WaitFor(fd.Get(), POLLOUT, deadline) : errno != EINTR) {
            return {std::nullopt, NotRunning(socketPath, "it did not take the request")};
        }
    }
    std::string text;
    char buffer[16384];
    while (true) {
        const ssize_t n = ::recv(fd.Get(), buffer, sizeof buffer, 0);
        if (n == 0) break;
        if (n > 0) {
            text.append(buffer, static_cast<std::size_t>(n));
            if (text.size() > kMaxReplyBytes) return {std::nullopt, "the counter's reply is too large"};
            continue;
        }
        if (errno == EINTR) continue;
        if (errno != EAGAIN || !WaitFor(fd.Get(), POLLIN, deadline)) {
            return {std::nullopt, NotRunning(socketPath, "it did not answer in time")};
        }
    }
    ReplyParse parsed = ParseReply(text);
    if (!parsed.reply) return {std::nullopt, "The per-application counter's answer is unusable: " + parsed.error};
    return {std::move(parsed.reply), {}};
}

}  // namespace bytelora::countd
