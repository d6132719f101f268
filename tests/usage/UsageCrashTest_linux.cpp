// A recorder killed without warning: the last write is at most a minute old, and the
// next start within the same boot recovers even that minute from the stored counters.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <thread>

#include "support/FakeClock.h"
#include "support/TempDir.h"
#include "support/UsageZones.h"
#include "usage/UsageSession.h"

extern char** environ;

namespace bytelora {
namespace {

using namespace std::chrono;

constexpr char kChildDatabase[] = "BYTELORA_USAGE_CHILD_DATABASE";
constexpr int kSeconds = 150;
constexpr std::uint64_t kBytesPerSecond = 1000;

UsageEnvironment Environment(const std::filesystem::path& database) {
    return {database, "boot-crash", testing::CentralEuropeanZone()};
}

// The child: records kSeconds of traffic, says so, then waits to be killed.
TEST(UsageCrashChild, RecordsUntilKilled) {
    const char* database = std::getenv(kChildDatabase);
    if (!database) GTEST_SKIP() << "runs only as the child of the crash test";
    testing::FakeClock clock;
    UsageSession session(Environment(database), clock, {});
    ASSERT_TRUE(session.Recording());
    std::uint64_t counter = 5000;
    session.Record({{"eth0", 0, 0, 0, counter}});
    for (int second = 0; second < kSeconds; ++second) {
        clock.Advance(seconds(1));
        counter += kBytesPerSecond;
        session.Record({{"eth0", 0, kBytesPerSecond, 0, counter}});
    }
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) std::this_thread::sleep_for(seconds(1));
}

std::uint64_t StoredSent(const std::filesystem::path& database, const Clock& clock) {
    UsageStore store({database, UsageStore::Mode::Read}, clock, {});
    std::uint64_t sent = 0;
    for (const auto& row : store.Rows({0, INT64_MAX / 2})) sent += row.sent;
    return sent;
}

TEST(UsageCrash, AKilledRecorderLosesAtMostAMinuteAndTheNextStartRecoversIt) {
    testing::TempDir dir;
    const auto database = dir / "usage.sqlite";
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    ::setenv(kChildDatabase, database.c_str(), 1);
    std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    std::string filter = "--gtest_filter=UsageCrashChild.*";
    char* argv[] = {self.data(), filter.data(), nullptr};
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self.c_str(), &actions, nullptr, argv, environ);
    ::unsetenv(kChildDatabase);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    ASSERT_EQ(spawned, 0);

    FILE* fromChild = fdopen(out[0], "r");
    char line[256] = {};
    bool ready = false;
    while (std::fgets(line, sizeof line, fromChild)) {
        if (std::string(line) == "ready\n") {
            ready = true;
            break;
        }
    }
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    std::fclose(fromChild);
    ASSERT_TRUE(ready);
    EXPECT_TRUE(WIFSIGNALED(status));

    testing::FakeClock clock;
    const std::uint64_t stored = StoredSent(database, clock);
    EXPECT_GE(stored, (kSeconds - 60) * kBytesPerSecond);
    EXPECT_LE(stored, kSeconds * kBytesPerSecond);

    // The lock went with the child; the next start takes it and adds the missing part.
    UsageSession next(Environment(database), clock, {});
    ASSERT_TRUE(next.Recording());
    next.Record({{"eth0", 0, 0, 0, 5000 + kSeconds * kBytesPerSecond}});
    next.Flush();
    EXPECT_EQ(StoredSent(database, clock), kSeconds * kBytesPerSecond);
}

}  // namespace
}  // namespace bytelora
