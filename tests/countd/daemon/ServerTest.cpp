#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cstddef>
#include <cstring>
#include <fstream>
#include <thread>
#include <utility>
#include <vector>

#include "common/UniqueFd.h"
#include "countd/client/CountdClient.h"
#include "countd/daemon/CountdServer.h"
#include "support/TempDir.h"

namespace bytelora::countd {
namespace {

using namespace std::chrono_literals;

// Connects `fd` to the server at `path`; a reply that does not come ends the read after
// 5 s instead of hanging the test.
UniqueFd ConnectTo(UniqueFd fd, const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.data(), path.size());
    EXPECT_EQ(::connect(fd.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address), 0)
        << path;
    timeval timeout{5, 0};
    ::setsockopt(fd.Get(), SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    return fd;
}

UniqueFd Connect(const std::string& path) {
    return ConnectTo(UniqueFd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)), path);
}

// Sends the text (nothing for an empty one: the server may have refused and closed the
// connection already) and reads the reply to its end.
std::string Send(const UniqueFd& fd, std::string_view text) {
    if (!text.empty()) {
        EXPECT_EQ(::send(fd.Get(), text.data(), text.size(), MSG_NOSIGNAL),
                  static_cast<ssize_t>(text.size()));
    }
    std::string reply;
    char buffer[4096];
    ssize_t n;
    while ((n = ::recv(fd.Get(), buffer, sizeof buffer, 0)) > 0)
        reply.append(buffer, static_cast<std::size_t>(n));
    return reply;
}

// A connection that the rig's server takes for one of `uid`: it is bound to an abstract
// address that names the uid, which the rig reads back in place of SO_PEERCRED (a test
// cannot connect as another user).
constexpr std::string_view kFakeUidTag = "bytelora-test-uid-";

UniqueFd ConnectAs(const std::string& path, std::uint32_t uid, int serial) {
    UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_un own{};
    own.sun_family = AF_UNIX;
    const std::string name = std::string(kFakeUidTag) + std::to_string(uid) + "-" +
                             std::to_string(::getpid()) + "-" + std::to_string(serial);
    std::memcpy(own.sun_path + 1, name.data(), name.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    EXPECT_EQ(::bind(fd.Get(), reinterpret_cast<sockaddr*>(&own), length), 0)
        << std::strerror(errno);
    return ConnectTo(std::move(fd), path);
}

std::optional<std::uint32_t> FakeOrRealPeerUid(int fd) {
    sockaddr_un peer{};
    socklen_t length = sizeof peer;
    if (::getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &length) == 0 &&
        length > offsetof(sockaddr_un, sun_path) + 1 && peer.sun_path[0] == '\0') {
        const std::string name(peer.sun_path + 1, length - offsetof(sockaddr_un, sun_path) - 1);
        if (name.rfind(kFakeUidTag, 0) == 0) {
            return static_cast<std::uint32_t>(std::stoul(name.substr(kFakeUidTag.size())));
        }
    }
    ucred real{};
    length = sizeof real;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &real, &length) != 0) return std::nullopt;
    return real.uid;
}

// A server on a temporary socket, serving on its own thread until the test ends.
class ServerRig {
  public:
    explicit ServerRig(ServerLimits limits = {}, std::string replyText = {})
        : replyText_(std::move(replyText)) {
        auto listening = CountdServer::Listen(path(), limits, &FakeOrRealPeerUid);
        EXPECT_TRUE(listening.server) << listening.problem;
        server_ = std::move(listening.server);
        thread_ = std::thread([this] {
            server_->Run(
                [this](std::uint32_t uid) {
                    askedBy_ = static_cast<int>(uid);
                    if (!replyText_.empty()) return replyText_;
                    Reply reply;
                    reply.startedUnix = 77;
                    reply.exited.push_back({uid, {1, 2}, "/bin/x"});
                    return WriteReply(reply);
                },
                [this] { ++ticks_; });
        });
    }
    ~ServerRig() {
        server_->Stop();
        thread_.join();
    }
    std::string path() const { return (dir_ / "countd.socket").string(); }
    int askedBy() const { return askedBy_; }
    int ticks() const { return ticks_; }

  private:
    testing::TempDir dir_;
    std::string replyText_;
    std::unique_ptr<CountdServer> server_;
    std::atomic<int> askedBy_{-1};
    std::atomic<int> ticks_{0};
    std::thread thread_;
};

TEST(CountdServer, AnswersAListForThePeersOwnUid) {
    ServerRig rig;
    struct stat info {};
    ASSERT_EQ(::stat(rig.path().c_str(), &info), 0);
    EXPECT_TRUE(S_ISSOCK(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0666u);

    const FetchResult fetched = FetchCounts(rig.path());
    ASSERT_TRUE(fetched.reply) << fetched.problem;
    EXPECT_EQ(fetched.reply->startedUnix, 77);
    // The uid is the kernel's word for who connected, not anything the client said.
    EXPECT_EQ(rig.askedBy(), static_cast<int>(::getuid()));
    ASSERT_EQ(fetched.reply->exited.size(), 1u);
    EXPECT_EQ(fetched.reply->exited[0].uid, ::getuid());
}

TEST(CountdServer, RefusesAnythingElseAndCloses) {
    ServerRig rig;
    EXPECT_EQ(Send(Connect(rig.path()), "hello\n"),
              "error\tunknown request; send \"list\" and a newline\n");
    EXPECT_EQ(Send(Connect(rig.path()), std::string(200, 'l')), "error\trequest too long\n");
    EXPECT_EQ(Send(Connect(rig.path()), "list\nlist\n").substr(0, 6), "error\t");
    EXPECT_EQ(rig.askedBy(), -1);
    // It goes on serving.
    EXPECT_TRUE(FetchCounts(rig.path()).reply);
}

TEST(CountdServer, SilentAndNonReadingClientsCannotHoldItUp) {
    ServerLimits limits;
    limits.maxClients = 4;
    limits.requestTimeout = 300ms;
    limits.replyTimeout = 300ms;
    // A reply far larger than the socket's buffer: a client that never reads it is cut off.
    ServerRig rig(limits, "bytelora-countd\t1\t1\n" + std::string(8 << 20, 'x'));
    std::vector<UniqueFd> silent;
    for (int i = 0; i < 6; ++i) silent.push_back(Connect(rig.path()));
    UniqueFd greedy = Connect(rig.path());
    ASSERT_EQ(::send(greedy.Get(), "list\n", 5, MSG_NOSIGNAL), 5);
    // Every slot is held by a silent client: each newcomer takes the oldest one's place,
    // and a real client is served.
    const auto started = std::chrono::steady_clock::now();
    const FetchResult fetched = FetchCounts(rig.path(), 5s);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);
    EXPECT_FALSE(fetched.reply);  // the reply was garbage on purpose, but it came
    EXPECT_NE(fetched.problem.find("unusable"), std::string::npos) << fetched.problem;
    // The silent ones were closed, not left hanging: the oldest pushed out, the newest
    // at their deadline.
    char byte;
    EXPECT_EQ(::recv(silent[0].Get(), &byte, 1, 0), 0);
    EXPECT_EQ(::recv(silent[5].Get(), &byte, 1, 0), 0);
}

TEST(CountdServer, OneUserCannotHoldMoreThanTheirShareOfConnections) {
    ServerLimits limits;
    limits.maxClientsPerUser = 2;
    ServerRig rig(limits);
    UniqueFd first = Connect(rig.path());
    UniqueFd second = Connect(rig.path());
    // Taken in the order they came: the third is refused at once, the first still served.
    EXPECT_EQ(Send(Connect(rig.path()), "").rfind("error\ttoo many connections", 0), 0u);
    EXPECT_EQ(Send(first, "list\n").rfind("bytelora-countd\t1\t77\n", 0), 0u);
    EXPECT_TRUE(FetchCounts(rig.path()).reply);
}

TEST(CountdServer, ASilentConnectionIsClosedSoon) {
    ServerRig rig;  // the default limits
    UniqueFd silent = Connect(rig.path());
    // Closed by the request deadline, well before the test's own 5 s receive timeout.
    char byte;
    EXPECT_EQ(::recv(silent.Get(), &byte, 1, 0), 0);
    EXPECT_TRUE(FetchCounts(rig.path()).reply);
}

TEST(CountdServer, NoUidHoldingEveryConnectionKeepsAnotherUidsRequestOut) {
    ServerLimits limits;
    limits.maxClients = 16;
    limits.maxClientsPerUser = 16;
    limits.requestTimeout = 60s;  // they would be held for as long as the test lasts
    ServerRig rig(limits);
    const std::uint32_t hog = ::getuid() + 1000;
    std::vector<UniqueFd> idle;
    for (int i = 0; i < 16; ++i) idle.push_back(ConnectAs(rig.path(), hog, i));
    // The server has taken them all in: the hog's own next one is refused as over its share.
    EXPECT_EQ(Send(ConnectAs(rig.path(), hog, 16), "").rfind("error\ttoo many connections", 0), 0u);

    // Another uid (this process's own) is answered, in place of the hog's oldest.
    const FetchResult fetched = FetchCounts(rig.path(), 10s);
    ASSERT_TRUE(fetched.reply) << fetched.problem;
    EXPECT_EQ(rig.askedBy(), static_cast<int>(::getuid()));
    char byte;
    EXPECT_EQ(::recv(idle[0].Get(), &byte, 1, 0), 0);
    // The others are still held and served.
    EXPECT_EQ(Send(idle[1], "list\n").rfind("bytelora-countd\t1\t77\n", 0), 0u);
    EXPECT_EQ(rig.askedBy(), static_cast<int>(hog));
}

TEST(CountdServer, ReplacesAStaleSocketButNotALiveOneNorAFile) {
    testing::TempDir dir;
    const std::string path = (dir / "countd.socket").string();
    {
        // A socket file whose server has gone.
        UniqueFd stale(::socket(AF_UNIX, SOCK_STREAM, 0));
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.data(), path.size());
        ASSERT_EQ(::bind(stale.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    }
    auto first = CountdServer::Listen(path);
    ASSERT_TRUE(first.server) << first.problem;
    auto second = CountdServer::Listen(path);
    EXPECT_FALSE(second.server);
    EXPECT_NE(second.problem.find("already runs"), std::string::npos);
    first.server.reset();

    const std::string file = (dir / "not-a-socket").string();
    std::ofstream(file) << "keep me";
    auto onFile = CountdServer::Listen(file);
    EXPECT_FALSE(onFile.server);
    EXPECT_EQ(std::ifstream(file).rdbuf()->sgetc(), 'k');
    EXPECT_FALSE(CountdServer::Listen(std::string(200, 'x')).server);
}

TEST(CountdServer, RunsItsPeriodicWork) {
    ServerLimits limits;
    limits.tick = 20ms;
    ServerRig rig(limits);
    for (int i = 0; i < 200 && rig.ticks() < 3; ++i) std::this_thread::sleep_for(10ms);
    EXPECT_GE(rig.ticks(), 3);
}

}  // namespace
}  // namespace bytelora::countd
