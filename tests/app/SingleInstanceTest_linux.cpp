#include <gtest/gtest.h>

#include <QFile>
#include <QLockFile>

#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <optional>
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

}  // namespace
}  // namespace bytelora::testing
