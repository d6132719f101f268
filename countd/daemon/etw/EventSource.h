#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

// Where the Windows counter's traffic events come from: a real-time trace session of the
// kernel (EtwEventSource, on Windows) or a file recorded earlier (ReplayEventSource, for
// the tests and for looking at what a machine saw). Everything past this interface, the
// decoding, the counting and the serving, is the same for both.
namespace bytelora::countd {

struct RawEvent {
    bool kernelNetwork = false;  // from the Microsoft-Windows-Kernel-Network provider
    std::uint16_t id = 0;
    std::uint8_t version = 0;
    std::span<const std::uint8_t> payload;  // valid during the call only
};

class EventSource {
  public:
    using Sink = std::function<void(const RawEvent&)>;

    virtual ~EventSource() = default;
    // Opens the source; an empty string, or one line that says why it cannot be.
    virtual std::string Open() = 0;
    // Hands every event to `sink` until Stop() (from another thread); returns then, or
    // with one line that says why it ended early.
    virtual std::string Run(const Sink& sink) = 0;
    virtual void Stop() = 0;
    // The events the source dropped so far, as far as it can tell.
    virtual std::uint64_t Lost() const = 0;
};

// The session on this system's kernel; on systems without one, a source whose Open says so.
std::unique_ptr<EventSource> MakeKernelEventSource();

}  // namespace bytelora::countd
