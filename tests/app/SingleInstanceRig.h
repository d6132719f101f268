#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLockFile>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QThread>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <utility>

#include "app/SingleInstance.h"
#include "support/TempDir.h"

// What the single-instance tests of both systems share: a meeting place in a scratch
// folder, a count of the activation requests, and a raw request sender.
namespace bytelora::testing {

inline InstanceLocation In(const TempDir& dir) {
    return {dir / "bytelora.lock", (dir / "bytelora.socket").string()};
}

// Counts the activation requests that reach a running instance.
struct Activations {
    explicit Activations(SingleInstance& instance) {
        QObject::connect(&instance, &SingleInstance::ActivationRequested, [this] { ++count; });
    }
    // Lets the running instance's event loop take pending requests until `expected`
    // have arrived, for at most `patience`.
    int WaitFor(int expected, std::chrono::milliseconds patience = std::chrono::seconds(5)) {
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

// Runs `work` on a thread of its own while this thread's event loop serves the running
// instance, as it would for a second process. (On Windows a pipe write completes only
// once the other end reads it, so a client on the server's own thread would wait on
// itself.) No test assertion runs on the other thread.
template <typename Work>
auto RunConcurrently(Work work) {
    std::atomic<bool> done{false};
    decltype(work()) result{};
    std::thread other([&] {
        result = work();
        done = true;
    });
    while (!done) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    other.join();
    QCoreApplication::processEvents();
    return result;
}

// A later start's claim, made concurrently with the running instance.
inline SingleInstance::Role ClaimAsLaterStart(const InstanceLocation& where,
                                              std::chrono::milliseconds answerWait) {
    return RunConcurrently([&] {
        SingleInstance later(where, answerWait);
        return later.Claim();
    });
}

// Sends raw bytes to the running instance's server; false if they could not be sent.
inline bool Send(const std::string& serverName, const QByteArray& bytes) {
    return RunConcurrently([&] {
        QLocalSocket socket;
        socket.connectToServer(QString::fromStdString(serverName));
        if (!socket.waitForConnected(1000)) return false;
        socket.write(bytes);
        const bool sent = socket.waitForBytesWritten(1000);
        socket.disconnectFromServer();
        if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(1000);
        return sent;
    });
}

// A lock file as a Bytelora that crashed leaves it: the lock's own format, naming the
// process `deadProcessId`, which has ended.
inline void LeaveLockOfDeadProcess(const TempDir& dir, const std::filesystem::path& lockFile,
                                   qulonglong deadProcessId) {
    const QString scratch = QString::fromStdU16String((dir / "scratch.lock").u16string());
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
    content.replace(0, firstLineEnd, QByteArray::number(deadProcessId));
    std::ofstream(lockFile, std::ios::binary) << content.toStdString();
}

}  // namespace bytelora::testing
