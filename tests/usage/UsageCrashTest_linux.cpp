// A recorder killed without warning, in its first minute or later: the last write is at
// most a minute old, and the next start within the same boot recovers even that minute,
// and what passed while nothing ran, from the stored counters.
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
constexpr char kChildSeconds[] = "BYTELORA_USAGE_CHILD_SECONDS";
constexpr std::uint64_t kStartCounter = 5000;
constexpr std::uint64_t kBytesPerSecond = 1000;

UsageEnvironment Environment(const std::filesystem::path& database) {
    return {database, "boot-crash", testing::CentralEuropeanZone()};
}

// The child: records the given seconds of traffic, says so, then waits to be killed.
TEST(UsageCrashChild, RecordsUntilKilled) {
    const char* database = std::getenv(kChildDatabase);
    const char* recordFor = std::getenv(kChildSeconds);
    if (!database || !recordFor) GTEST_SKIP() << "runs only as the child of the crash test";
    testing::FakeClock clock;
    UsageSession session(Environment(database), clock, {});
    ASSERT_TRUE(session.Recording());
    std::uint64_t counter = kStartCounter;
    session.Record({{"eth0", 0, 0, 0, counter}});
    for (int second = 0; second < std::atoi(recordFor); ++second) {
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

// Runs the child for `seconds` and kills it with SIGKILL once it has recorded them.
void RecordAndKill(const std::filesystem::path& database, int seconds) {
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    ::setenv(kChildDatabase, database.c_str(), 1);
    ::setenv(kChildSeconds, std::to_string(seconds).c_str(), 1);
    std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    std::string filter = "--gtest_filter=UsageCrashChild.*";
    char* argv[] = {self.data(), filter.data(), nullptr};
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self.c_str(), &actions, nullptr, argv, environ);
    ::unsetenv(kChildDatabase);
    ::unsetenv(kChildSeconds);
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
}

TEST(UsageCrash, AKilledRecorderLosesAtMostAMinuteAndTheNextStartRecoversIt) {
    for (const int seconds : {5, 65, 150}) {
        SCOPED_TRACE("killed after " + std::to_string(seconds) + " s");
        testing::TempDir dir;
        const auto database = dir / "usage.sqlite";
        RecordAndKill(database, seconds);
        if (::testing::Test::HasFatalFailure()) return;

        testing::FakeClock clock;
        const std::uint64_t moved = seconds * kBytesPerSecond;
        const std::uint64_t stored = StoredSent(database, clock);
        EXPECT_GE(stored + 60 * kBytesPerSecond, moved);
        EXPECT_LE(stored, moved);

        // 12 MB pass while nothing runs. The lock went with the child; the next start
        // takes it and adds the missing part, then runs a few seconds and stops.
        std::uint64_t counter = kStartCounter + moved + 12'000'000;
        UsageSession next(Environment(database), clock, {});
        ASSERT_TRUE(next.Recording());
        next.Record({{"eth0", 0, 0, 0, counter}});
        for (int second = 0; second < 3; ++second) {
            clock.Advance(std::chrono::seconds(1));
            counter += kBytesPerSecond;
            next.Record({{"eth0", 0, kBytesPerSecond, 0, counter}});
        }
        EXPECT_EQ(next.FlushAtExit(), "");
        EXPECT_EQ(StoredSent(database, clock), counter - kStartCounter);
    }
}

}  // namespace
}  // namespace bytelora
