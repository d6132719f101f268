#include "countd/daemon/etw/ReplayEventSource.h"

#include <charconv>

#include "countd/daemon/etw/KernelNetworkEvents.h"
#include "countd/protocol/FileText.h"

namespace bytelora::countd {

namespace {

// A recording bigger than this is not one the tests or the check make.
constexpr std::size_t kMaxRecordingBytes = 16u << 20;

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t\r", at);
        if (start == std::string_view::npos) break;
        const std::size_t end = line.find_first_of(" \t\r", start);
        words.push_back(line.substr(start, end == std::string_view::npos ? end : end - start));
        at = end == std::string_view::npos ? line.size() : end;
    }
    return words;
}

template <typename Number>
bool ParseNumber(std::string_view text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool ParseHex(std::string_view text, std::vector<std::uint8_t>& bytes) {
    if (text == "-") return true;  // an empty payload
    if (text.size() % 2 != 0) return false;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        std::uint8_t byte = 0;
        const auto [end, error] = std::from_chars(text.data() + i, text.data() + i + 2, byte, 16);
        if (error != std::errc() || end != text.data() + i + 2) return false;
        bytes.push_back(byte);
    }
    return true;
}

}  // namespace

RecordingParse ParseRecording(std::string_view text) {
    Recording recording;
    std::size_t number = 0;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        const std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        ++number;
        const auto words = Words(line);
        if (words.empty() || words[0].front() == '#') continue;
        const std::string where = "line " + std::to_string(number);
        if (words[0] == "lost") {
            std::uint64_t lost = 0;
            if (words.size() != 2 || !ParseNumber(words[1], lost)) {
                return {std::nullopt, where + ": expected \"lost <events>\""};
            }
            recording.lost += lost;
            continue;
        }
        if (words[0] == "process") {
            std::uint32_t pid = 0;
            RecordedProcess process;
            if (words.size() < 5 || !ParseNumber(words[1], pid) ||
                !ParseNumber(words[2], process.created)) {
                return {std::nullopt,
                        where + ": expected \"process <pid> <created> <sid> <executable>\""};
            }
            process.sid = std::string(words[3]);
            std::string_view executable = line.substr(words[4].data() - line.data());
            while (!executable.empty() && (executable.back() == '\r' || executable.back() == ' ')) {
                executable.remove_suffix(1);
            }
            process.executable = std::string(executable);
            recording.processes[pid] = std::move(process);
            continue;
        }
        RecordedEvent event;
        unsigned version = 0;
        if (words.size() != 4 || !ParseNumber(words[1], event.id) ||
            !ParseNumber(words[2], version) || version > 255 ||
            !ParseHex(words[3], event.payload)) {
            return {std::nullopt, where + ": expected \"<provider> <id> <version> <hex payload>\""};
        }
        event.provider = std::string(words[0]);
        event.version = static_cast<std::uint8_t>(version);
        recording.events.push_back(std::move(event));
    }
    return {std::move(recording), {}};
}

std::string RecordedLine(const RecordedEvent& event) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string line =
        event.provider + ' ' + std::to_string(event.id) + ' ' + std::to_string(event.version) + ' ';
    if (event.payload.empty()) line += '-';
    for (const std::uint8_t byte : event.payload) {
        line += kHex[byte >> 4];
        line += kHex[byte & 0xf];
    }
    return line;
}

ReplayEventSource::ReplayEventSource(std::string path) : path_(std::move(path)) {}

std::string ReplayEventSource::Open() {
    const std::string text = ReadFileText(path_, kMaxRecordingBytes);
    if (text.empty()) return "no recorded events in " + path_ + " (missing, unreadable or empty)";
    RecordingParse parsed = ParseRecording(text);
    if (!parsed.recording) return path_ + ": " + parsed.error;
    recording_ = std::move(*parsed.recording);
    return {};
}

std::string ReplayEventSource::Run(const Sink& sink) {
    for (const RecordedEvent& event : recording_.events) {
        sink({IsKernelNetworkProvider(event.provider), event.id, event.version, event.payload});
    }
    lost_ = recording_.lost;
    std::unique_lock lock(mutex_);
    stopped_.wait(lock, [this] { return stop_; });
    return {};
}

void ReplayEventSource::Stop() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    stopped_.notify_all();
}

}  // namespace bytelora::countd
