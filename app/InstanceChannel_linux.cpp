// The channel between the starts of one user as a plain Unix-domain socket: Qt's local
// socket classes would bring in Qt Network, and with it Kerberos and proxy libraries that
// cost a running Bytelora over a megabyte for this one message.
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QTimer>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <thread>

#include "app/InstanceChannel.h"
#include "common/UniqueFd.h"

namespace bytelora {
namespace {

constexpr int kBacklog = 50;
constexpr auto kConnectRetryPause = std::chrono::milliseconds(10);
constexpr auto kRestAfterFailure = std::chrono::milliseconds(500);

QString Reason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

std::optional<sockaddr_un> AddressOf(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof(address.sun_path)) return std::nullopt;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

UniqueFd StreamSocket() {
    return UniqueFd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
}

// A private folder next to the socket, where the socket is made and given its permissions
// before it is moved into place: nobody can connect to it in between.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::filesystem::path& beside) {
        std::string pattern = (beside.parent_path() / "bytelora-XXXXXX").string();
        if (::mkdtemp(pattern.data())) path_ = pattern;
    }
    ~ScratchFolder() {
        if (!path_.empty()) ::rmdir(path_.c_str());
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool Made() const { return !path_.empty(); }
    std::string Socket() const { return path_ + "/s"; }

  private:
    std::string path_;
};

// One connected client: what it sends is read as it arrives.
class Client : public QObject {
  public:
    Client(UniqueFd socket, QObject* owner)
        : QObject(owner),
          socket_(std::move(socket)),
          notifier_(socket_.Get(), QSocketNotifier::Read) {}

    template <typename OnRequest>
    void WhenReadable(OnRequest onRequest) {
        connect(&notifier_, &QSocketNotifier::activated, this, [this, onRequest] {
            for (int i = ReadRequests(); i > 0; --i) onRequest();
        });
    }

  private:
    // Reads all that is there; the connection ends at the client's end, on an error, or
    // when the client sends a line too long to be a request.
    int ReadRequests() {
        int requests = 0;
        std::array<char, 256> buffer{};
        for (;;) {
            const ssize_t got = ::read(socket_.Get(), buffer.data(), buffer.size());
            if (got > 0) {
                requests += lines_.Take({buffer.data(), static_cast<std::size_t>(got)});
                if (!lines_.Overlong()) continue;
            } else if (got < 0 && errno == EINTR) {
                continue;
            } else if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                return requests;
            }
            End();
            return requests;
        }
    }

    void End() {
        notifier_.setEnabled(false);
        socket_.Reset();
        deleteLater();
    }

    UniqueFd socket_;
    QSocketNotifier notifier_;
    RequestLines lines_;
};

class UnixSocketListener final : public InstanceListener {
  public:
    explicit UnixSocketListener(std::string path) : path_(std::move(path)) {}
    ~UnixSocketListener() override {
        if (!socket_.Valid()) return;
        notifier_.reset();
        socket_.Reset();
        ::unlink(path_.c_str());
    }
    UnixSocketListener(const UnixSocketListener&) = delete;
    UnixSocketListener& operator=(const UnixSocketListener&) = delete;

    // Returns the reason when it cannot listen, an empty text when it does.
    QString Open() {
        const std::optional<sockaddr_un> address = AddressOf(path_);
        if (!address) return QStringLiteral("the path is too long for a socket");
        ScratchFolder scratch(path_);
        if (!scratch.Made()) return Reason(errno);
        const std::optional<sockaddr_un> scratchAddress = AddressOf(scratch.Socket());
        if (!scratchAddress) return QStringLiteral("the path is too long for a socket");

        UniqueFd socket = StreamSocket();
        if (!socket.Valid()) return Reason(errno);
        const auto* bound = reinterpret_cast<const sockaddr*>(&*scratchAddress);
        if (::bind(socket.Get(), bound, sizeof(sockaddr_un)) != 0) return Reason(errno);
        int error = 0;
        if (::listen(socket.Get(), kBacklog) != 0 ||
            ::chmod(scratch.Socket().c_str(), S_IRWXU) != 0 ||
            ::rename(scratch.Socket().c_str(), path_.c_str()) != 0) {
            error = errno;
            ::unlink(scratch.Socket().c_str());
            return Reason(error);
        }
        socket_ = std::move(socket);
        notifier_ = std::make_unique<QSocketNotifier>(socket_.Get(), QSocketNotifier::Read);
        connect(notifier_.get(), &QSocketNotifier::activated, this,
                &UnixSocketListener::AcceptClients);
        return {};
    }

  private:
    void AcceptClients() {
        for (;;) {
            UniqueFd client(::accept4(socket_.Get(), nullptr, nullptr,
                                      SOCK_CLOEXEC | SOCK_NONBLOCK));
            if (!client.Valid()) {
                if (errno == EINTR || errno == ECONNABORTED) continue;
                if (errno == EAGAIN || errno == EWOULDBLOCK) return;  // none left
                // Out of descriptors or memory: the client waits in the queue, and the
                // listener rests a moment rather than spin on a socket that stays readable.
                notifier_->setEnabled(false);
                QTimer::singleShot(kRestAfterFailure, this,
                                   [this] { notifier_->setEnabled(true); });
                return;
            }
            auto* connection = new Client(std::move(client), this);
            connection->WhenReadable([this] { emit RaiseRequested(); });
        }
    }

    std::string path_;
    UniqueFd socket_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

bool WaitUntilWritable(int fd, std::chrono::milliseconds wait) {
    pollfd watched{fd, POLLOUT, 0};
    int ready = 0;
    do {
        ready = ::poll(&watched, 1, static_cast<int>(wait.count()));
    } while (ready < 0 && errno == EINTR);
    return ready > 0 && (watched.revents & POLLOUT);
}

// Connects within `wait`. A listener whose queue of new connections is full refuses at
// once; it is asked again until the wait is over.
UniqueFd ConnectTo(const sockaddr_un& address, std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        UniqueFd socket = StreamSocket();
        if (!socket.Valid()) return {};
        if (::connect(socket.Get(), reinterpret_cast<const sockaddr*>(&address),
                      sizeof(address)) == 0) {
            return socket;
        }
        if (errno == EINPROGRESS) {
            int error = 0;
            socklen_t size = sizeof(error);
            if (!WaitUntilWritable(socket.Get(), wait) ||
                ::getsockopt(socket.Get(), SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) {
                return {};
            }
            return socket;
        }
        if (errno != EAGAIN && errno != EINTR) return {};
        if (std::chrono::steady_clock::now() + kConnectRetryPause > deadline) return {};
        std::this_thread::sleep_for(kConnectRetryPause);
    }
}

}  // namespace

std::unique_ptr<InstanceListener> InstanceListener::Listen(const std::string& name,
                                                           QString& error) {
    // Holding the lock means nobody else listens: a socket left there is a crash's.
    ::unlink(name.c_str());
    auto listener = std::make_unique<UnixSocketListener>(name);
    error = listener->Open();
    if (!error.isEmpty()) return nullptr;
    return listener;
}

bool SendRaiseRequest(const std::string& name, std::chrono::milliseconds connectWait,
                      std::chrono::milliseconds writeWait) {
    const std::optional<sockaddr_un> address = AddressOf(name);
    if (!address) return false;
    const UniqueFd socket = ConnectTo(*address, connectWait);
    if (!socket.Valid()) return false;
    std::string_view left = kRaiseRequest;
    while (!left.empty()) {
        const ssize_t sent = ::send(socket.Get(), left.data(), left.size(), MSG_NOSIGNAL);
        if (sent > 0) {
            left.remove_prefix(static_cast<std::size_t>(sent));
        } else if (sent < 0 && errno == EINTR) {
            continue;
        } else if (sent < 0 && errno == EAGAIN) {
            if (!WaitUntilWritable(socket.Get(), writeWait)) return false;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace bytelora
