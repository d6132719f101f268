#include <gtest/gtest.h>

#include <QFile>
#include <QLockFile>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <optional>
#include <set>
#include <string>

#include "SingleInstanceRig.h"
#include "support/ScopedEnv.h"

namespace bytelora::testing {
namespace {

using namespace std::chrono_literals;
using Role = SingleInstance::Role;

// The id of a process that has ended.
pid_t DeadProcessId() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

// A socket file that nobody listens on, as a crash leaves it.
void LeaveDeadSocket(const std::string& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof(address.sun_path));
    std::memcpy(address.sun_path, path.c_str(), path.size());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
    ASSERT_TRUE(std::filesystem::exists(path));
}

TEST(SingleInstance, ALockAndSocketLeftByACrashDoNotBlockTheNextStart) {
    TempDir dir;
    LeaveLockOfDeadProcess(dir, In(dir).lockFile, static_cast<qulonglong>(DeadProcessId()));
    LeaveDeadSocket(In(dir).serverName);

    SingleInstance next(In(dir), 200ms);
    ASSERT_EQ(next.Claim(), Role::First);
    EXPECT_TRUE(next.Problem().isEmpty()) << next.Problem().toStdString();

    // It listens where the dead one did: a later start reaches it.
    Activations activations(next);
    EXPECT_EQ(ClaimAsLaterStart(In(dir), 500ms), Role::HandedOver);
    EXPECT_EQ(activations.WaitFor(1), 1);
}

TEST(SingleInstance, TheUsersMeetingPlaceIsInTheRuntimeFolderWhenItIsUsable) {
    TempDir runtime;
    TempDir tmp;
    std::ofstream(runtime / "file") << "x";
    const std::string user = "bytelora-" + std::to_string(::getuid());
    struct Case {
        std::optional<std::string> runtimeDir;
        std::filesystem::path expectedFolder;
    };
    const Case cases[] = {
        {runtime.path().string(), runtime.path()},
        {std::nullopt, tmp.path()},
        {"", tmp.path()},
        {"relative/runtime", tmp.path()},
        {(runtime / "file").string(), tmp.path()},
        {(runtime / "missing").string(), tmp.path()},
    };
    ScopedEnv tmpdir("TMPDIR", tmp.path().string());
    for (const Case& c : cases) {
        ScopedEnv env("XDG_RUNTIME_DIR", c.runtimeDir);
        const InstanceLocation location = UserInstanceLocation();
        const std::string shown = c.runtimeDir.value_or("(unset)");
        EXPECT_EQ(location.lockFile, c.expectedFolder / (user + ".lock")) << shown;
        EXPECT_EQ(location.serverName, (c.expectedFolder / (user + ".socket")).string()) << shown;
    }
}

// The socket is the user's alone from the moment it can be reached, and making it leaves
// nothing else behind in the shared folder.
TEST(SingleInstance, TheSocketIsTheUsersAloneAndNothingElseIsLeft) {
    TempDir dir;
    SingleInstance running(In(dir));
    ASSERT_EQ(running.Claim(), Role::First);
    ASSERT_TRUE(running.Problem().isEmpty()) << running.Problem().toStdString();

    struct stat info {};
    ASSERT_EQ(::lstat(In(dir).serverName.c_str(), &info), 0);
    EXPECT_TRUE(S_ISSOCK(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        names.insert(entry.path().filename().string());
    }
    EXPECT_EQ(names, (std::set<std::string>{"bytelora.lock", "bytelora.socket"}));
}

// A client that connects and says nothing, or one that keeps sending, holds up nobody.
TEST(SingleInstance, ASilentOrEndlessClientDoesNotKeepOthersOut) {
    TempDir dir;
    SingleInstance running(In(dir));
    ASSERT_EQ(running.Claim(), Role::First);
    Activations activations(running);

    const int silent = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(silent, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, In(dir).serverName.c_str(), In(dir).serverName.size());
    ASSERT_EQ(::connect(silent, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    EXPECT_TRUE(Send(In(dir).serverName, QByteArray(100000, 'x')));

    EXPECT_EQ(ClaimAsLaterStart(In(dir), 500ms), Role::HandedOver);
    EXPECT_EQ(activations.WaitFor(1), 1);
    ::close(silent);
}

// A folder too deep for a socket's path leaves the program running, unguarded, and says so.
TEST(SingleInstance, ASocketPathTooLongLetsTheProgramRunUnguarded) {
    TempDir dir;
    const InstanceLocation deep{dir / "bytelora.lock",
                                (dir / (std::string(120, 'd') + ".socket")).string()};
    SingleInstance instance(deep, 150ms);
    EXPECT_EQ(instance.Claim(), Role::First);
    EXPECT_NE(instance.Problem().indexOf(QString::fromStdString(deep.serverName)), -1)
        << instance.Problem().toStdString();
}

// A process out of descriptors cannot take a knock; the request waits in the queue and is
// taken once descriptors are free again.
TEST(SingleInstance, ARequestWaitingWhileDescriptorsRanOutIsTakenLater) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizers' own checks need descriptors of their own";
#endif
    TempDir dir;
    SingleInstance running(In(dir));
    ASSERT_EQ(running.Claim(), Role::First);
    Activations activations(running);

    const int client = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(client, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, In(dir).serverName.c_str(), In(dir).serverName.size());
    ASSERT_EQ(::connect(client, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ASSERT_EQ(::send(client, "raise\n", 6, MSG_NOSIGNAL), 6);

    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &before), 0);
    const int lowestFree = ::dup(0);
    ASSERT_GE(lowestFree, 0);
    ::close(lowestFree);
    rlimit none = before;
    none.rlim_cur = static_cast<rlim_t>(lowestFree);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);
    const int taken = activations.WaitFor(1, 300ms);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &before), 0);
    EXPECT_EQ(taken, 0);

    EXPECT_EQ(activations.WaitFor(1), 1);
    ::close(client);
}

}  // namespace
}  // namespace bytelora::testing
