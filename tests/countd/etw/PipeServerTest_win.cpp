// The Windows counter's pipe server with the client the programs use. Under wine every
// token is the same user's, so who each client is comes from a fake.
#include <gtest/gtest.h>

#include <atomic>
#include <deque>
#include <mutex>
#include <thread>

#include "countd/client/CountdClient.h"
#include "countd/daemon/CounterTable.h"
#include "countd/daemon/etw/EventCounter.h"
#include "countd/daemon/etw/PipeServer_win.h"
#include "tests/countd/etw/EventPayloads.h"

namespace bytelora::countd {
namespace {

using namespace std::chrono_literals;

constexpr const char* kAlice = "S-1-5-21-1-2-3-1001";
constexpr const char* kBob = "S-1-5-21-1-2-3-1002";

std::string UniquePipe() {
    return "\\\\.\\pipe\\bytelora-countd-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
           std::to_string(::GetTickCount64());
}

// A counter with three processes, Alice's, Bob's and LocalSystem's, served on a pipe
// whose clients are told apart by the identities queued for them.
struct ServedCounter {
    UserNumbers users;
    std::map<std::uint32_t, std::pair<std::string, std::string>> processes{
        {10, {kAlice, "C:\\alice.exe"}},
        {11, {kBob, "C:\\bob.exe"}},
        {12, {kLocalSystemSid, "C:\\Windows\\svchost.exe"}}};
    EventCounter counter{[this](std::uint32_t pid) -> std::optional<ProcessIdentity> {
                             const auto& [sid, exe] = processes.at(pid);
                             return ProcessIdentity{1, users.NumberOf(sid), exe, exe};
                         },
                         100};
    CounterTable table{{[](std::uint32_t) { return std::optional<std::uint64_t>(1); },
                        [](std::uint32_t) { return std::string(); }, 100},
                       7};
    std::mutex mutex;
    std::deque<std::optional<ClientIdentity>> identities;
    std::unique_ptr<PipeServer> server;
    std::thread thread;
    std::string pipe = UniquePipe();

    explicit ServedCounter(PipeServer::Limits limits = {}) {
        for (const std::uint32_t pid : {10u, 11u, 12u}) {
            const auto payload = test::V4(pid, 1000 + pid);
            counter.Count({true, 11, 0, payload});
        }
        auto listening = PipeServer::Listen(pipe, limits, [this](HANDLE) {
            std::lock_guard lock(mutex);
            auto next = identities.front();
            identities.pop_front();
            return next;
        });
        EXPECT_TRUE(listening.server) << listening.problem;
        server = std::move(listening.server);
        thread = std::thread([this] {
            server->Run(
                [this](const ClientIdentity& client) {
                    Reply reply = table.ReplyFor(users.ViewerOf(client), counter.Samples(),
                                                 counter.Unowned());
                    reply.lostEvents = 3;
                    return WriteReply(reply);
                },
                [] {});
        });
    }
    ~ServedCounter() {
        server->Stop();
        thread.join();
    }
    FetchResult AskAs(std::optional<ClientIdentity> identity) {
        {
            std::lock_guard lock(mutex);
            identities.push_back(std::move(identity));
        }
        return FetchCounts(pipe, 5s);
    }
};

// A client of the pipe that does only what a test tells it: connects (waiting while every
// instance is taken), and may send the request without ever reading or closing.
struct RawClient {
    HANDLE handle = INVALID_HANDLE_VALUE;
    explicit RawClient(const std::string& pipe) {
        const std::wstring wide(pipe.begin(), pipe.end());
        for (int attempt = 0; attempt < 50 && handle == INVALID_HANDLE_VALUE; ++attempt) {
            handle = ::CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
            if (handle == INVALID_HANDLE_VALUE) ::WaitNamedPipeW(wide.c_str(), 100);
        }
    }
    ~RawClient() {
        if (handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
    }
    RawClient(const RawClient&) = delete;
    RawClient& operator=(const RawClient&) = delete;
    bool Ask() {
        DWORD written = 0;
        return ::WriteFile(handle, "list\n", 5, &written, nullptr) && written == 5;
    }
    // The first part of the reply (blocks until the server writes or lets go).
    std::string FirstPart() {
        char buffer[256];
        DWORD got = 0;
        if (!::ReadFile(handle, buffer, sizeof buffer, &got, nullptr)) return {};
        return std::string(buffer, got);
    }
};

std::vector<std::string> Executables(const Reply& reply) {
    std::vector<std::string> exes;
    for (const auto& process : reply.processes) exes.push_back(process.executable);
    return exes;
}

TEST(PipeServer, EachUserSeesOnlyTheirOwnProgramsAdministratorsSeeAll) {
    ServedCounter served;
    const FetchResult alice = served.AskAs(ClientIdentity{kAlice, false});
    ASSERT_TRUE(alice.reply) << alice.problem;
    EXPECT_EQ(Executables(*alice.reply), std::vector<std::string>{"C:\\alice.exe"});
    EXPECT_EQ(alice.reply->lostEvents, 3u);
    EXPECT_FALSE(alice.reply->untagged);
    const FetchResult bob = served.AskAs(ClientIdentity{kBob, false});
    ASSERT_TRUE(bob.reply) << bob.problem;
    EXPECT_EQ(Executables(*bob.reply), std::vector<std::string>{"C:\\bob.exe"});
    const FetchResult stranger = served.AskAs(ClientIdentity{"S-1-5-21-1-2-3-1009", false});
    ASSERT_TRUE(stranger.reply) << stranger.problem;
    EXPECT_TRUE(stranger.reply->processes.empty());
    const FetchResult admin = served.AskAs(ClientIdentity{kBob, true});
    ASSERT_TRUE(admin.reply) << admin.problem;
    EXPECT_EQ(admin.reply->processes.size(), 3u);
    EXPECT_TRUE(admin.reply->untagged);
    // A client that cannot be told is refused, and the next one is served again.
    const FetchResult unknown = served.AskAs(std::nullopt);
    EXPECT_FALSE(unknown.reply);
    EXPECT_NE(unknown.problem.find("cannot tell who you are"), std::string::npos);
    EXPECT_TRUE(served.AskAs(ClientIdentity{kAlice, false}).reply);
}

TEST(PipeServer, ASilentClientIsLetGoAndAPipeNameIsNeverShared) {
    ServedCounter served;
    // Connects and says nothing: others are answered meanwhile, and it is let go.
    const auto wide = std::wstring(served.pipe.begin(), served.pipe.end());
    HANDLE silent = ::CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(silent, INVALID_HANDLE_VALUE);
    const FetchResult after = served.AskAs(ClientIdentity{kAlice, false});
    EXPECT_TRUE(after.reply) << after.problem;
    ::CloseHandle(silent);
    // A second counter on the same name is refused rather than sharing its clients.
    const auto second = PipeServer::Listen(served.pipe, {});
    EXPECT_FALSE(second.server);
    EXPECT_FALSE(PipeServer::Listen("C:\\not-a-pipe", {}).server);
}

TEST(PipeServer, OneUsersManyConnectionsKeepNoOtherUserOut) {
    // Silent connections are not let go by their deadline here: only making room helps.
    PipeServer::Limits limits;
    limits.requestTimeout = 60s;
    limits.replyTimeout = 60s;
    ServedCounter served(limits);
    // Alice asks as often as one user may, and neither reads her replies to the end nor
    // closes: each holds its instance.
    std::vector<std::unique_ptr<RawClient>> alice;
    for (std::size_t i = 0; i < limits.maxClientsPerUser; ++i) {
        {
            std::lock_guard lock(served.mutex);
            served.identities.push_back(ClientIdentity{kAlice, false});
        }
        alice.push_back(std::make_unique<RawClient>(served.pipe));
        ASSERT_TRUE(alice.back()->Ask());
        EXPECT_NE(alice.back()->FirstPart().find("bytelora-countd"), std::string::npos);
    }
    {
        std::lock_guard lock(served.mutex);
        served.identities.push_back(ClientIdentity{kAlice, false});
    }
    RawClient oneMore(served.pipe);
    ASSERT_TRUE(oneMore.Ask());
    EXPECT_NE(oneMore.FirstPart().find("too many connections of this user"), std::string::npos);
    // Then she opens more connections than the pipe has instances, and says nothing.
    std::vector<std::unique_ptr<RawClient>> silent;
    for (std::size_t i = 0; i < limits.instances + 4; ++i) {
        silent.push_back(std::make_unique<RawClient>(served.pipe));
        EXPECT_NE(silent.back()->handle, INVALID_HANDLE_VALUE) << "connection " << i;
    }
    // Bob is answered all the same, and so is Alice once she lets one go.
    const FetchResult bob = served.AskAs(ClientIdentity{kBob, false});
    ASSERT_TRUE(bob.reply) << bob.problem;
    EXPECT_EQ(Executables(*bob.reply), std::vector<std::string>{"C:\\bob.exe"});
    alice.pop_back();
    FetchResult again;
    for (int attempt = 0; attempt < 20 && !again.reply; ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(50ms);  // her close may be taken up later
        again = served.AskAs(ClientIdentity{kAlice, false});
    }
    EXPECT_TRUE(again.reply) << again.problem;
}

TEST(PipeServer, ConnectionsWithBadRequestsAreTheirUsersAndMakeWay) {
    PipeServer::Limits limits;
    limits.replyTimeout = 60s;
    ServedCounter served(limits);
    // Alice sends nonsense on more connections than the pipe has instances, reads the
    // refusal and keeps each open.
    std::vector<std::unique_ptr<RawClient>> alice;
    for (std::size_t i = 0; i < limits.instances + 4; ++i) {
        {
            std::lock_guard lock(served.mutex);
            served.identities.push_back(ClientIdentity{kAlice, false});
        }
        alice.push_back(std::make_unique<RawClient>(served.pipe));
        DWORD written = 0;
        ASSERT_TRUE(::WriteFile(alice.back()->handle, "nonsense\n", 9, &written, nullptr));
        EXPECT_NE(alice.back()->FirstPart().find("error"), std::string::npos) << "connection " << i;
    }
    const FetchResult bob = served.AskAs(ClientIdentity{kBob, false});
    ASSERT_TRUE(bob.reply) << bob.problem;
    EXPECT_EQ(Executables(*bob.reply), std::vector<std::string>{"C:\\bob.exe"});
}

TEST(CountdClientOnWindows, SaysInOneLineWhenNoCounterAnswers) {
    const FetchResult missing = FetchCounts(UniquePipe(), 1s);
    EXPECT_FALSE(missing.reply);
    EXPECT_EQ(missing.problem.find('\n'), std::string::npos);
    EXPECT_NE(missing.problem.find("not running"), std::string::npos);
    EXPECT_NE(missing.problem.find("sc start bytelora-countd"), std::string::npos);
}

}  // namespace
}  // namespace bytelora::countd
