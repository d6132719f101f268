#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>

#include "app/SingleInstance.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

namespace bytelora::testing {
namespace {

using namespace std::chrono_literals;
using Role = SingleInstance::Role;

InstanceLocation In(const TempDir& dir) {
    return {dir / "bytelora.lock", (dir / "bytelora.socket").string()};
}

// Counts the activation requests that reach a running instance.
struct Activations {
    explicit Activations(SingleInstance& instance) {
        QObject::connect(&instance, &SingleInstance::ActivationRequested, [this] { ++count; });
    }
    // Lets the running instance's event loop take pending requests until `expected`
    // have arrived, for at most `patience`.
    int WaitFor(int expected, std::chrono::milliseconds patience = 5s) {
        QElapsedTimer timer;
        timer.start();
        while (count < expected && timer.elapsed() < patience.count()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(5);
        }
        QCoreApplication::processEvents();
        return count;
    }
    int count = 0;
};

// The id of a process that has ended.
pid_t DeadProcessId() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

// A lock file as a Bytelora that crashed leaves it: the lock's own format, naming a
// process that is gone.
void LeaveLockOfDeadProcess(const TempDir& dir, const std::filesystem::path& lockFile) {
    const QString scratch = QString::fromStdString((dir / "scratch.lock").string());
    QByteArray content;
    {
        QLockFile live(scratch);
        ASSERT_TRUE(live.tryLock(0));
        QFile file(scratch);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        content = file.readAll();
    }
    const auto firstLineEnd = content.indexOf('\n');
    ASSERT_GT(firstLineEnd, 0);
    content.replace(0, firstLineEnd, QByteArray::number(DeadProcessId()));
    std::ofstream(lockFile, std::ios::binary) << content.toStdString();
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

void Send(const std::string& serverName, const QByteArray& bytes) {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(serverName));
    ASSERT_TRUE(socket.waitForConnected(1000));
    socket.write(bytes);
    ASSERT_TRUE(socket.waitForBytesWritten(1000));
    socket.disconnectFromServer();
}

TEST(SingleInstance, ALaterStartHandsOverToTheRunningOneEveryTime) {
    TempDir dir;
    SingleInstance running(In(dir));
    ASSERT_EQ(running.Claim(), Role::First);
    EXPECT_TRUE(running.Problem().isEmpty());
    Activations activations(running);

    for (int start = 1; start <= 3; ++start) {
        SingleInstance later(In(dir), 500ms);
        EXPECT_EQ(later.Claim(), Role::HandedOver) << "start " << start;
        EXPECT_EQ(activations.WaitFor(start), start);
    }
}

TEST(SingleInstance, OnlyTheRaiseRequestBringsTheWindowForward) {
    TempDir dir;
    SingleInstance running(In(dir));
    ASSERT_EQ(running.Claim(), Role::First);
    Activations activations(running);

    Send(In(dir).serverName, "hello\n");
    Send(In(dir).serverName, "raise");  // no line end: not a request
    Send(In(dir).serverName, QByteArray(200, 'x'));
    Send(In(dir).serverName, "raise\n");
    EXPECT_EQ(activations.WaitFor(1), 1);
    EXPECT_EQ(activations.WaitFor(2, 300ms), 1);
}

TEST(SingleInstance, TheNextStartAfterAnEndIsTheFirstAgain) {
    TempDir dir;
    {
        SingleInstance ended(In(dir));
        ASSERT_EQ(ended.Claim(), Role::First);
    }
    EXPECT_FALSE(std::filesystem::exists(In(dir).lockFile));
    EXPECT_FALSE(std::filesystem::exists(In(dir).serverName));

    SingleInstance next(In(dir), 200ms);
    EXPECT_EQ(next.Claim(), Role::First);
}

TEST(SingleInstance, ALockAndSocketLeftByACrashDoNotBlockTheNextStart) {
    TempDir dir;
    LeaveLockOfDeadProcess(dir, In(dir).lockFile);
    LeaveDeadSocket(In(dir).serverName);

    SingleInstance next(In(dir), 200ms);
    ASSERT_EQ(next.Claim(), Role::First);
    EXPECT_TRUE(next.Problem().isEmpty()) << next.Problem().toStdString();

    // It listens where the dead one did: a later start reaches it.
    Activations activations(next);
    SingleInstance later(In(dir), 500ms);
    EXPECT_EQ(later.Claim(), Role::HandedOver);
    EXPECT_EQ(activations.WaitFor(1), 1);
}

TEST(SingleInstance, ALiveHolderThatDoesNotAnswerIsNotJoinedBySecondInstance) {
    TempDir dir;
    QLockFile holder(QString::fromStdString(In(dir).lockFile.string()));
    ASSERT_TRUE(holder.tryLock(0));

    SingleInstance later(In(dir), 150ms);
    EXPECT_EQ(later.Claim(), Role::Unanswered);
}

TEST(SingleInstance, ALockThatCannotBeMadeLetsTheProgramRunUnguarded) {
    TempDir dir;
    std::ofstream(dir / "file") << "x";
    const InstanceLocation underAFile{dir / "file" / "bytelora.lock",
                                      (dir / "bytelora.socket").string()};
    SingleInstance instance(underAFile, 150ms);
    EXPECT_EQ(instance.Claim(), Role::First);
    EXPECT_FALSE(instance.Problem().isEmpty());
}

// Sets an environment variable for one scope.
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
