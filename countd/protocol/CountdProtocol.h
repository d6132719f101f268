#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The conversation on bytelora-countd's socket. The client sends one line, "list\n";
// the counter answers with tab-separated lines and closes:
//   bytelora-countd \t 1 \t <unix seconds the counter started>
//   process \t pid \t start ticks \t uid \t received \t sent \t comm \t executable \t unit
//   exited \t uid \t received \t sent \t executable      (one per uid and executable)
//   untagged \t received \t sent                       (for root only)
//   kernel \t received \t sent                         (for root only)
//   refused \t <count>                                 (the asker's; root: everyone's)
//   lost \t events             (where events can be dropped before they are counted)
//   end
// Text fields are percent-encoded, so that no name can forge a field or a line. The
// "kernel", "refused" and "lost" lines came later and may be missing; a reader skips a kind
// of line it does not know, so that a newer counter may add more.
// Anything else from a client is answered with "error \t <text>" and the connection closed.
namespace bytelora::countd {

inline constexpr int kProtocolVersion = 1;
// Where the counter serves unless told otherwise, and the variable that points the
// clients elsewhere.
inline constexpr const char* kDefaultCountdSocket = "/run/bytelora/countd.socket";
inline constexpr const char* kCountdSocketVariable = "BYTELORA_COUNTD_SOCKET";
// On Windows the counter serves the same conversation on a named pipe, which the same
// variable names instead.
inline constexpr const char* kDefaultCountdPipe = "\\\\.\\pipe\\bytelora-countd";
// The longest request accepted, newline included; longer input is refused unread.
inline constexpr std::size_t kMaxRequestBytes = 64;

enum class RequestState { NeedMore, List, Bad };

struct RequestParse {
    RequestState state = RequestState::NeedMore;
    std::string error;  // for Bad: what the client is told
};

// Looks at what a client has sent so far.
RequestParse ParseRequest(std::string_view received);

// '%', TAB, LF, CR, bytes below 0x20 and 0x7f become %XX; everything else stays.
std::string PercentEncode(std::string_view text);
// Empty for a malformed escape.
std::optional<std::string> PercentDecode(std::string_view text);

struct ByteCounts {
    std::uint64_t received = 0;
    std::uint64_t sent = 0;
    friend bool operator==(const ByteCounts&, const ByteCounts&) = default;
};

struct ProcessLine {
    std::uint32_t pid = 0;
    std::uint64_t startTicks = 0;  // clock ticks since boot, as /proc/<pid>/stat has it
    std::uint32_t uid = 0;
    ByteCounts bytes;
    std::string comm;
    std::string executable;
    std::string unit;  // the systemd unit or scope the process runs in, or empty
    friend bool operator==(const ProcessLine&, const ProcessLine&) = default;
};

struct ExitedLine {
    std::uint32_t uid = 0;
    ByteCounts bytes;
    std::string executable;
    friend bool operator==(const ExitedLine&, const ExitedLine&) = default;
};

struct Reply {
    std::int64_t startedUnix = 0;
    std::vector<ProcessLine> processes;
    std::vector<ExitedLine> exited;
    std::optional<ByteCounts> untagged;
    // The bytes of the kernel's own sockets (network file systems and the like).
    std::optional<ByteCounts> kernel;
    // Programs the counter could not keep a record for, because their user's share of
    // the process table was full: their bytes are in no program's count.
    std::optional<std::uint64_t> refused;
    // Traffic events the system dropped before the counter saw them, since it started:
    // the counts are that much short. Only a counter fed by events tells it.
    std::optional<std::uint64_t> lostEvents;
    friend bool operator==(const Reply&, const Reply&) = default;
};

std::string WriteReply(const Reply& reply);
std::string ErrorLine(std::string_view text);

struct ReplyParse {
    std::optional<Reply> reply;
    std::string error;  // why the text is not a whole reply
};

// The client's reader: a reply is whole only with its header and its "end" line.
ReplyParse ParseReply(std::string_view text);

}  // namespace bytelora::countd
