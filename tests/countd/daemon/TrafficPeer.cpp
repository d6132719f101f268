// The programs of the counter's accuracy test: one binary copied under a name per role,
// so that each role has an executable of its own. Each prints the payload bytes it moved.
//   tcp-sink PORT CONNECTIONS READY-FILE    read each connection to its end
//   tcp-send ADDRESS PORT CONNECTIONS BYTES send BYTES on each connection, one after another
//   udp-sink PORT BYTES READY-FILE          receive datagrams until BYTES came
//   udp-send ADDRESS PORT COUNT SIZE        send COUNT datagrams of SIZE bytes (with
//                                           BYTELORA_PEER_WAIT_FILE: on a socket made before
//                                           that file appears)
//   activate PORT READY-FILE EXE ARGS...     listen on PORT, then run EXE ARGS with the
//                                           listener as fd 3 (as a socket-activating
//                                           service manager does) and wait for it
//   fd3-sink CONNECTIONS                    tcp-sink on the listener at fd 3
//   exec-after PORT-ADDRESS PORT COUNT SIZE EXE
//                                           udp-send, then exec EXE udp-send with the same
//                                           arguments
//   prefork PORT WORKERS CONNECTIONS READY-FILE DONE-FILE
//                                           a listener, then WORKERS forked workers named
//                                           "pf-worker" that accept CONNECTIONS between them
//                                           and wait, once all are read, until killed; the
//                                           master writes DONE-FILE then
//   tcp-hold-sink PORT BYTES READY-FILE DONE-FILE
//                                           read BYTES of one connection, write DONE-FILE and
//                                           hold the connection open until killed
//   tcp-hold ADDRESS PORT BYTES             send BYTES and hold the connection open until killed
//   spawn-sockets COUNT                     COUNT short-lived children, each making a socket
//   query SOCKET                            the counter's reply, one line per executable
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "common/UniqueFd.h"
#include "countd/client/CountdClient.h"

namespace {

using bytelora::UniqueFd;

[[noreturn]] void Die(const char* what) {
    std::perror(what);
    std::exit(1);
}

sockaddr_in Address(const char* ip, const char* port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(std::atoi(port)));
    if (::inet_pton(AF_INET, ip, &address.sin_addr) != 1) Die("inet_pton");
    return address;
}

void Ready(const char* file) {
    std::ofstream(file) << "ready\n";
}

// Reads until the peer's end; the bytes read.
std::uint64_t Drain(int fd) {
    std::vector<char> buffer(1 << 16);
    std::uint64_t total = 0;
    while (true) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n == 0) return total;
        if (n < 0) Die("read");
        total += static_cast<std::uint64_t>(n);
    }
}

UniqueFd Listen(const char* port, int flags = 0) {
    UniqueFd listener(::socket(AF_INET, SOCK_STREAM | flags, 0));
    const int on = 1;
    ::setsockopt(listener.Get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address = Address("0.0.0.0", port);
    if (::bind(listener.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        Die("bind");
    if (::listen(listener.Get(), 128) != 0) Die("listen");
    return listener;
}

// Reads `connections` connections to their end, one after another.
std::uint64_t AcceptAndDrain(int listener, int connections) {
    std::uint64_t total = 0;
    for (int i = connections; i > 0; --i) {
        UniqueFd connection(::accept(listener, nullptr, nullptr));
        if (!connection.Valid()) Die("accept");
        total += Drain(connection.Get());
        // Closing only after the sender's end: both sides' last packets are from sockets
        // their programs still hold.
    }
    return total;
}

int TcpSink(char** argv) {
    UniqueFd listener = Listen(argv[2]);
    Ready(argv[4]);
    std::printf("%llu\n", static_cast<unsigned long long>(
                              AcceptAndDrain(listener.Get(), std::atoi(argv[3]))));
    return 0;
}

int Activate(int argc, char** argv) {
    UniqueFd listener = Listen(argv[2]);
    if (::dup2(listener.Get(), 3) != 3) Die("dup2");
    Ready(argv[3]);
    const pid_t child = ::fork();
    if (child < 0) Die("fork");
    if (child == 0) {
        ::execv(argv[4], argv + 4);
        Die("execv");
    }
    (void)argc;
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

int Fd3Sink(char** argv) {
    std::printf("%llu\n", static_cast<unsigned long long>(AcceptAndDrain(3, std::atoi(argv[2]))));
    return 0;
}

int Prefork(char** argv) {
    UniqueFd listener = Listen(argv[2]);
    const int workers = std::atoi(argv[3]);
    const int connections = std::atoi(argv[4]);
    int report[2];
    if (::pipe(report) != 0) Die("pipe");
    for (int i = 0; i < workers; ++i) {
        const pid_t pid = ::fork();
        if (pid < 0) Die("fork");
        if (pid > 0) continue;
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        ::prctl(PR_SET_NAME, "pf-worker");
        // Each worker takes connections until all are taken between them.
        std::uint64_t total = 0;
        for (int share = connections / workers + (i < connections % workers ? 1 : 0); share > 0;
             --share) {
            total += AcceptAndDrain(listener.Get(), 1);
        }
        if (::write(report[1], &total, sizeof total) != sizeof total) Die("write");
        while (true) ::pause();  // named and alive until the test has looked
    }
    Ready(argv[5]);
    std::uint64_t total = 0;
    for (int i = 0; i < workers; ++i) {
        std::uint64_t part = 0;
        if (::read(report[0], &part, sizeof part) != sizeof part) Die("read");
        total += part;
    }
    std::printf("%llu\n", static_cast<unsigned long long>(total));
    std::fflush(stdout);
    Ready(argv[6]);
    while (true) ::pause();
}

int TcpHoldSink(char** argv) {
    UniqueFd listener = Listen(argv[2]);
    Ready(argv[4]);
    UniqueFd connection(::accept(listener.Get(), nullptr, nullptr));
    if (!connection.Valid()) Die("accept");
    const std::uint64_t wanted = std::strtoull(argv[3], nullptr, 10);
    std::vector<char> buffer(1 << 16);
    for (std::uint64_t total = 0; total < wanted;) {
        const ssize_t n = ::read(connection.Get(), buffer.data(), buffer.size());
        if (n <= 0) Die("read");
        total += static_cast<std::uint64_t>(n);
    }
    Ready(argv[5]);
    while (true) ::pause();
}

int TcpHold(char** argv) {
    const sockaddr_in address = Address(argv[2], argv[3]);
    UniqueFd fd(::socket(AF_INET, SOCK_STREAM, 0));
    if (::connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        Die("connect");
    const std::vector<char> payload(1 << 20, 'h');
    for (std::size_t left = std::strtoull(argv[4], nullptr, 10); left > 0;) {
        const ssize_t n = ::write(fd.Get(), payload.data(), std::min(left, payload.size()));
        if (n <= 0) Die("write");
        left -= static_cast<std::size_t>(n);
    }
    while (true) ::pause();
}

int SpawnSockets(char** argv) {
    for (int i = std::atoi(argv[2]); i > 0; --i) {
        const pid_t pid = ::fork();
        if (pid < 0) Die("fork");
        if (pid == 0) {
            const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
            ::_exit(fd < 0 ? 1 : 0);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
    }
    return 0;
}

int TcpSend(char** argv) {
    const sockaddr_in address = Address(argv[2], argv[3]);
    const std::size_t bytes = std::strtoull(argv[5], nullptr, 10);
    const std::vector<char> payload(std::min<std::size_t>(bytes, 1 << 20), 'x');
    std::uint64_t total = 0;
    for (int i = std::atoi(argv[4]); i > 0; --i) {
        UniqueFd fd(::socket(AF_INET, SOCK_STREAM, 0));
        if (::connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
            Die("connect");
        for (std::size_t left = bytes; left > 0;) {
            const ssize_t n = ::write(fd.Get(), payload.data(), std::min(left, payload.size()));
            if (n <= 0) Die("write");
            left -= static_cast<std::size_t>(n);
            total += static_cast<std::uint64_t>(n);
        }
        ::shutdown(fd.Get(), SHUT_WR);
        Drain(fd.Get());  // the sink's end: the last FIN comes to a socket this program holds
    }
    std::printf("%llu\n", static_cast<unsigned long long>(total));
    return 0;
}

int UdpSink(char** argv) {
    UniqueFd fd(::socket(AF_INET, SOCK_DGRAM, 0));
    const int buffer = 32 << 20;
    ::setsockopt(fd.Get(), SOL_SOCKET, SO_RCVBUFFORCE, &buffer, sizeof buffer);
    sockaddr_in address = Address("0.0.0.0", argv[2]);
    if (::bind(fd.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) Die("bind");
    Ready(argv[4]);
    const std::uint64_t expected = std::strtoull(argv[3], nullptr, 10);
    std::uint64_t total = 0;
    std::vector<char> datagram(65536);
    while (total < expected) {
        pollfd watched{fd.Get(), POLLIN, 0};
        if (::poll(&watched, 1, 10000) <= 0) break;  // the rest was lost
        const ssize_t n = ::recv(fd.Get(), datagram.data(), datagram.size(), 0);
        if (n < 0) Die("recv");
        total += static_cast<std::uint64_t>(n);
    }
    std::printf("%llu\n", static_cast<unsigned long long>(total));
    return 0;
}

int UdpSend(char** argv, int argc) {
    const sockaddr_in address = Address(argv[2], argv[3]);
    const int count = std::atoi(argv[4]);
    const std::vector<char> payload(std::strtoull(argv[5], nullptr, 10), 'u');
    UniqueFd fd(::socket(AF_INET, SOCK_DGRAM, 0));
    // A socket older than the counter: made first, used once the file appears.
    if (const char* wait = std::getenv("BYTELORA_PEER_WAIT_FILE")) {
        std::ofstream(std::string(wait) + ".socket") << "made\n";
        while (::access(wait, F_OK) != 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::uint64_t total = 0;
    for (int i = 0; i < count; ++i) {
        const ssize_t n = ::sendto(fd.Get(), payload.data(), payload.size(), 0,
                                   reinterpret_cast<const sockaddr*>(&address), sizeof address);
        if (n < 0) Die("sendto");
        total += static_cast<std::uint64_t>(n);
        // Paced, so that no datagram is dropped on the way (the backlog holds 1000).
        if (i % 200 == 199) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    std::printf("%llu\n", static_cast<unsigned long long>(total));
    if (argc == 7) {
        // The same again as another executable, in this very process (the socket made
        // before stays open across the exec, unused).
        std::fflush(stdout);
        char udpSend[] = "udp-send";
        char* next[] = {argv[6], udpSend, argv[2], argv[3], argv[4], argv[5], nullptr};
        ::execv(argv[6], next);
        Die("execv");
    }
    return 0;
}

// "process <pid> <comm> <received> <sent> <executable>" per running process, then
// "kernel <received> <sent>" and "refused <count>" when told, then
// "program <uid> <received> <sent> <executable>" per executable, live and exited summed,
// then "untagged <received> <sent>" when told.
int Query(char** argv) {
    const auto fetched = bytelora::countd::FetchCounts(argv[2]);
    if (!fetched.reply) {
        std::fprintf(stderr, "%s\n", fetched.problem.c_str());
        return 1;
    }
    std::map<std::pair<std::string, std::uint32_t>, bytelora::countd::ByteCounts> byExecutable;
    for (const auto& p : fetched.reply->processes) {
        auto& counts = byExecutable[{p.executable, p.uid}];
        counts.received += p.bytes.received;
        counts.sent += p.bytes.sent;
    }
    for (const auto& e : fetched.reply->exited) {
        auto& counts = byExecutable[{e.executable, e.uid}];
        counts.received += e.bytes.received;
        counts.sent += e.bytes.sent;
    }
    for (const auto& p : fetched.reply->processes) {
        std::printf("process %u %s %llu %llu %s\n", p.pid, p.comm.c_str(),
                    static_cast<unsigned long long>(p.bytes.received),
                    static_cast<unsigned long long>(p.bytes.sent), p.executable.c_str());
    }
    if (fetched.reply->kernel) {
        std::printf("kernel %llu %llu\n",
                    static_cast<unsigned long long>(fetched.reply->kernel->received),
                    static_cast<unsigned long long>(fetched.reply->kernel->sent));
    }
    if (fetched.reply->refused)
        std::printf("refused %llu\n", static_cast<unsigned long long>(*fetched.reply->refused));
    for (const auto& [key, counts] : byExecutable) {
        std::printf("program %u %llu %llu %s\n", key.second,
                    static_cast<unsigned long long>(counts.received),
                    static_cast<unsigned long long>(counts.sent), key.first.c_str());
    }
    if (fetched.reply->untagged) {
        std::printf("untagged %llu %llu\n",
                    static_cast<unsigned long long>(fetched.reply->untagged->received),
                    static_cast<unsigned long long>(fetched.reply->untagged->sent));
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "tcp-sink" && argc == 5) return TcpSink(argv);
    if (mode == "tcp-send" && argc == 6) return TcpSend(argv);
    if (mode == "udp-sink" && argc == 5) return UdpSink(argv);
    if (mode == "udp-send" && argc == 6) return UdpSend(argv, argc);
    if (mode == "exec-after" && argc == 7) return UdpSend(argv, argc);
    if (mode == "activate" && argc >= 6) return Activate(argc, argv);
    if (mode == "fd3-sink" && argc == 3) return Fd3Sink(argv);
    if (mode == "prefork" && argc == 7) return Prefork(argv);
    if (mode == "spawn-sockets" && argc == 3) return SpawnSockets(argv);
    if (mode == "tcp-hold-sink" && argc == 6) return TcpHoldSink(argv);
    if (mode == "tcp-hold" && argc == 5) return TcpHold(argv);
    if (mode == "query" && argc == 3) return Query(argv);
    std::fprintf(stderr, "usage: see the comment at the top of TrafficPeer.cpp\n");
    return 2;
}
