#pragma once

#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "countd/daemon/etw/EventSource.h"

namespace bytelora::countd {

// A recorded event file, one event a line, fields separated by spaces or tabs:
//   <provider GUID> <event id> <version> <payload as hex>
// and optionally
//   lost <events>       the events the recording session dropped
//   process <pid> <creation time> <user SID> <executable, to the end of the line>
//                       a process as it was when recorded, so that its events are
//                       counted for it wherever the file is played
// Empty lines and lines starting with '#' are skipped.
struct RecordedEvent {
    std::string provider;
    std::uint16_t id = 0;
    std::uint8_t version = 0;
    std::vector<std::uint8_t> payload;
};

struct RecordedProcess {
    std::uint64_t created = 0;  // as Windows has it: 100 ns since 1601
    std::string sid;
    std::string executable;
};

struct Recording {
    std::vector<RecordedEvent> events;
    std::map<std::uint32_t, RecordedProcess> processes;
    std::uint64_t lost = 0;
};

struct RecordingParse {
    std::optional<Recording> recording;
    std::string error;  // with the line number
};

RecordingParse ParseRecording(std::string_view text);
// One line of a recording, as check-per-application.ps1 and the tests write them.
std::string RecordedLine(const RecordedEvent& event);

// Plays a recording once, then waits for Stop(): the counter keeps serving what it counted.
class ReplayEventSource : public EventSource {
  public:
    explicit ReplayEventSource(std::string path);

    std::string Open() override;
    std::string Run(const Sink& sink) override;
    void Stop() override;
    std::uint64_t Lost() const override { return lost_.load(); }
    // The processes the file describes (after Open).
    const std::map<std::uint32_t, RecordedProcess>& Processes() const {
        return recording_.processes;
    }

  private:
    std::string path_;
    Recording recording_;
    std::atomic<std::uint64_t> lost_{0};
    std::mutex mutex_;
    std::condition_variable stopped_;
    bool stop_ = false;
};

}  // namespace bytelora::countd
