// A bounded, rate-limited TCP transfer for the accuracy measurement.
//
//   bytelora_traffic receive <ipv4> <port> <timeout-seconds>
//       accepts one connection, reads until the sender closes, prints the bytes read
//   bytelora_traffic send <ipv4> <port> <bytes> <bytes-per-second>
//       connects and writes exactly <bytes> at a steady rate, then closes
//
// Both ends stop by themselves: the receiver after its timeout, the sender once its
// bytes are out (or after twice the time they should take).

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

class Socket {
  public:
    explicit Socket(int fd) : fd_(fd) {}
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    ~Socket() {
        if (fd_ >= 0) close(fd_);
    }
    int get() const { return fd_; }

  private:
    int fd_;
};

sockaddr_in Address(const char* ip, const char* port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(std::atoi(port)));
    if (inet_pton(AF_INET, ip, &address.sin_addr) != 1) {
        std::fprintf(stderr, "not an IPv4 address: %s\n", ip);
        std::exit(2);
    }
    return address;
}

[[noreturn]] void Fail(const char* what) {
    std::perror(what);
    std::exit(1);
}

void SetTimeout(int fd, int option, int seconds) {
    timeval tv{seconds, 0};
    setsockopt(fd, SOL_SOCKET, option, &tv, sizeof tv);
}

int Receive(const char* ip, const char* port, int timeoutSeconds) {
    Socket listener(socket(AF_INET, SOCK_STREAM, 0));
    if (listener.get() < 0) Fail("socket");
    const int yes = 1;
    setsockopt(listener.get(), SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    const sockaddr_in address = Address(ip, port);
    if (bind(listener.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        Fail("bind");
    if (listen(listener.get(), 1) != 0) Fail("listen");
    SetTimeout(listener.get(), SO_RCVTIMEO, timeoutSeconds);
    Socket peer(accept(listener.get(), nullptr, nullptr));
    if (peer.get() < 0) Fail("accept");
    SetTimeout(peer.get(), SO_RCVTIMEO, 5);
    const auto deadline = Clock::now() + std::chrono::seconds(timeoutSeconds);
    std::vector<char> buffer(1 << 16);
    std::uint64_t total = 0;
    while (Clock::now() < deadline) {
        const ssize_t n = read(peer.get(), buffer.data(), buffer.size());
        if (n <= 0) break;
        total += static_cast<std::uint64_t>(n);
    }
    std::printf("%llu\n", static_cast<unsigned long long>(total));
    return 0;
}

int Send(const char* ip, const char* port, std::uint64_t bytes, double rate) {
    Socket peer(socket(AF_INET, SOCK_STREAM, 0));
    if (peer.get() < 0) Fail("socket");
    const sockaddr_in address = Address(ip, port);
    // The receiver may still be starting: a few tries, then give up.
    int tries = 0;
    while (connect(peer.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        if (++tries == 50) Fail("connect");
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    SetTimeout(peer.get(), SO_SNDTIMEO, 5);
    // Small writes keep the wire rate steady within each second.
    constexpr std::size_t kChunk = 16 * 1024;
    const std::vector<char> buffer(kChunk, 'b');
    const auto start = Clock::now();
    const auto giveUp =
        start + std::chrono::duration<double>(2.0 * static_cast<double>(bytes) / rate + 5);
    std::uint64_t sent = 0;
    while (sent < bytes && Clock::now() < giveUp) {
        const auto due =
            start + std::chrono::duration_cast<Clock::duration>(
                        std::chrono::duration<double>(static_cast<double>(sent) / rate));
        std::this_thread::sleep_until(due);
        const std::size_t want =
            static_cast<std::size_t>(std::min<std::uint64_t>(kChunk, bytes - sent));
        const ssize_t n = write(peer.get(), buffer.data(), want);
        if (n <= 0) Fail("write");
        sent += static_cast<std::uint64_t>(n);
    }
    shutdown(peer.get(), SHUT_WR);
    std::printf("%llu\n", static_cast<unsigned long long>(sent));
    return sent == bytes ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "receive" && argc == 5) return Receive(argv[2], argv[3], std::atoi(argv[4]));
    if (mode == "send" && argc == 6)
        return Send(argv[2], argv[3], std::strtoull(argv[4], nullptr, 10), std::atof(argv[5]));
    std::fprintf(
        stderr, "usage: %s receive <ipv4> <port> <timeout-s> | send <ipv4> <port> <bytes> <rate>\n",
        argv[0]);
    return 2;
}
