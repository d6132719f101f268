#include "app/SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace bytelora {
namespace {

constexpr std::chrono::milliseconds kTryConnect(100);
constexpr std::chrono::milliseconds kTryWrite(1000);
constexpr int kRetryPauseMs = 50;

QString ToQString(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

}  // namespace

SingleInstance::SingleInstance(InstanceLocation location, std::chrono::milliseconds answerWait,
                               QObject* parent)
    : QObject(parent),
      location_(std::move(location)),
      answerWait_(answerWait),
      lock_(ToQString(location_.lockFile)) {
    // Age alone never makes the lock stale: a Bytelora may run for months. A lock is
    // stale only when the process named in it is gone.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    // The server goes first, so that a start racing with this end finds no socket
    // before it finds the lock free.
    listener_.reset();
}

SingleInstance::Role SingleInstance::Claim() {
    QDir().mkpath(QFileInfo(lock_.fileName()).absolutePath());
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (TakeLock()) {
            Listen();
            return Role::First;
        }
        if (!problem_.isEmpty()) return Role::First;
        if (AskRunningInstance()) return Role::HandedOver;
        // The holder may be starting and not listen yet, or be ending right now.
        if (waited.elapsed() >= answerWait_.count()) return Role::Unanswered;
        QThread::msleep(kRetryPauseMs);
    }
}

bool SingleInstance::TakeLock() {
    if (lock_.tryLock(0)) return true;
    if (lock_.error() != QLockFile::LockFailedError) {
        problem_ = tr("The instance lock %1 cannot be made; Bytelora runs without "
                      "it, so a second start is not caught.")
                       .arg(lock_.fileName());
    }
    return false;
}

void SingleInstance::Listen() {
    QString reason;
    listener_ = InstanceListener::Listen(location_.serverName, reason);
    if (!listener_) {
        problem_ = tr("Bytelora cannot listen on %1 (%2); a second start cannot "
                      "bring this window forward.")
                       .arg(QString::fromStdString(location_.serverName), reason);
        return;
    }
    connect(listener_.get(), &InstanceListener::RaiseRequested, this,
            &SingleInstance::ActivationRequested);
}

bool SingleInstance::AskRunningInstance() {
    return SendRaiseRequest(location_.serverName, kTryConnect, kTryWrite);
}

}  // namespace bytelora
