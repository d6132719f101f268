#include "app/SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

namespace bytelora {
namespace {

constexpr char kRaiseRequest[] = "raise\n";
constexpr int kTryConnectMs = 100;
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
    if (server_) server_->close();
    server_.reset();
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
        problem_ = QStringLiteral(
                       "The instance lock %1 cannot be made; Bytelora runs without "
                       "it, so a second start is not caught.")
                       .arg(lock_.fileName());
    }
    return false;
}

void SingleInstance::Listen() {
    const QString name = QString::fromStdString(location_.serverName);
    // Holding the lock means nobody else listens: a socket left over is a crash's.
    QLocalServer::removeServer(name);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name)) {
        problem_ = QStringLiteral(
                       "Bytelora cannot listen on %1 (%2); a second start cannot "
                       "bring this window forward.")
                       .arg(name, server_->errorString());
        server_.reset();
        return;
    }
    connect(server_.get(), &QLocalServer::newConnection, this, &SingleInstance::AcceptConnections);
}

bool SingleInstance::AskRunningInstance() {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(location_.serverName));
    if (!socket.waitForConnected(kTryConnectMs)) return false;
    socket.write(kRaiseRequest);
    const bool sent = socket.waitForBytesWritten(kTryConnectMs * 10);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kTryConnectMs);
    return sent;
}

void SingleInstance::AcceptConnections() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        socket->setParent(this);
        const auto readRequests = [this, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine() == kRaiseRequest) emit ActivationRequested();
            }
            // Anything else is not ours; a client that never ends its line is cut off
            // rather than let it grow our buffer.
            if (socket->bytesAvailable() > 64) socket->abort();
        };
        connect(socket, &QLocalSocket::readyRead, this, readRequests);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        readRequests();
    }
}

}  // namespace bytelora
