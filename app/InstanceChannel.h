#pragma once

#include <QObject>
#include <QString>

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

namespace bytelora {

// A later start's whole message to the running instance.
inline constexpr std::string_view kRaiseRequest = "raise\n";

// What one client has sent so far, taken a line at a time: only the raise request counts.
class RequestLines {
  public:
    // Adds what arrived; returns how many raise requests it completes.
    int Take(std::string_view bytes);
    // A client that never ends its line is cut off rather than let it grow the buffer.
    bool Overlong() const { return pending_.size() > kLongestPending; }

  private:
    static constexpr std::size_t kLongestPending = 64;
    std::string pending_;
};

// The running instance's end of the channel between the starts of one user: on Linux a
// Unix-domain socket that only the user may open, on Windows a named pipe.
class InstanceListener : public QObject {
    Q_OBJECT

  public:
    // Listens at `name` in place of whatever a crashed instance left there: only the
    // holder of the instance lock listens. Null, with the reason in `error`, when it cannot.
    static std::unique_ptr<InstanceListener> Listen(const std::string& name, QString& error);

  signals:
    void RaiseRequested();

  protected:
    InstanceListener() = default;
};

// Sends the raise request to the instance listening at `name`. False when nobody takes the
// connection within `connectWait`, or the request within `writeWait`.
bool SendRaiseRequest(const std::string& name, std::chrono::milliseconds connectWait,
                      std::chrono::milliseconds writeWait);

}  // namespace bytelora
