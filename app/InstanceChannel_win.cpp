// The channel between the starts of one user as a named pipe, through Qt's local socket
// classes.
#include <QLocalServer>
#include <QLocalSocket>

#include <memory>

#include "app/InstanceChannel.h"

namespace bytelora {
namespace {

class PipeListener final : public InstanceListener {
  public:
    ~PipeListener() override { server_.close(); }

    QString Open(const QString& name) {
        QLocalServer::removeServer(name);
        server_.setSocketOptions(QLocalServer::UserAccessOption);
        if (server_.listen(name)) {
            connect(&server_, &QLocalServer::newConnection, this, &PipeListener::AcceptClients);
            return {};
        }
        const QString reason = server_.errorString();
        return reason.isEmpty() ? QStringLiteral("unknown error") : reason;
    }

  private:
    void AcceptClients() {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            socket->setParent(this);
            auto lines = std::make_shared<RequestLines>();
            const auto readRequests = [this, socket, lines] {
                const QByteArray bytes = socket->readAll();
                for (int i = lines->Take({bytes.constData(), static_cast<std::size_t>(bytes.size())});
                     i > 0; --i) {
                    emit RaiseRequested();
                }
                if (lines->Overlong()) socket->abort();
            };
            connect(socket, &QLocalSocket::readyRead, this, readRequests);
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            readRequests();
        }
    }

    QLocalServer server_;
};

}  // namespace

std::unique_ptr<InstanceListener> InstanceListener::Listen(const std::string& name,
                                                           QString& error) {
    auto listener = std::make_unique<PipeListener>();
    error = listener->Open(QString::fromStdString(name));
    if (!error.isEmpty()) return nullptr;
    return listener;
}

bool SendRaiseRequest(const std::string& name, std::chrono::milliseconds connectWait,
                      std::chrono::milliseconds writeWait) {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(name));
    if (!socket.waitForConnected(static_cast<int>(connectWait.count()))) return false;
    socket.write(kRaiseRequest.data(), static_cast<qint64>(kRaiseRequest.size()));
    const bool sent = socket.waitForBytesWritten(static_cast<int>(writeWait.count()));
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) {
        socket.waitForDisconnected(static_cast<int>(connectWait.count()));
    }
    return sent;
}

}  // namespace bytelora
