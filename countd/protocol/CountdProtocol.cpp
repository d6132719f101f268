#include "countd/protocol/CountdProtocol.h"

#include <charconv>

namespace bytelora::countd {

namespace {

constexpr std::string_view kRequestList = "list";
constexpr std::string_view kHeaderTag = "bytelora-countd";

bool NeedsEscape(unsigned char c) {
    return c == '%' || c < 0x20 || c == 0x7f;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

template <typename Number>
bool ParseNumber(std::string_view text, Number& value) {
    // from_chars takes no '+' and, for unsigned types, no '-'.
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool ParseText(std::string_view field, std::string& value) {
    auto decoded = PercentDecode(field);
    if (!decoded) return false;
    value = std::move(*decoded);
    return true;
}

void AppendField(std::string& out, std::string_view field) {
    out += '\t';
    out += field;
}

void AppendNumber(std::string& out, std::uint64_t value) {
    AppendField(out, std::to_string(value));
}

// The optional lines of a reply, written only when there is something to say.
void AppendCountsLine(std::string& out, std::string_view kind,
                      const std::optional<ByteCounts>& counts) {
    if (!counts) return;
    out += kind;
    AppendNumber(out, counts->received);
    AppendNumber(out, counts->sent);
    out += '\n';
}

void AppendCountLine(std::string& out, std::string_view kind,
                     const std::optional<std::uint64_t>& count) {
    if (!count) return;
    out += kind;
    AppendNumber(out, *count);
    out += '\n';
}

bool ParseProcess(const std::vector<std::string_view>& f, ProcessLine& line) {
    return f.size() == 9 && ParseNumber(f[1], line.pid) && ParseNumber(f[2], line.startTicks) &&
           ParseNumber(f[3], line.uid) && ParseNumber(f[4], line.bytes.received) &&
           ParseNumber(f[5], line.bytes.sent) && ParseText(f[6], line.comm) &&
           ParseText(f[7], line.executable) && ParseText(f[8], line.unit);
}

bool ParseExited(const std::vector<std::string_view>& f, ExitedLine& line) {
    return f.size() == 5 && ParseNumber(f[1], line.uid) && ParseNumber(f[2], line.bytes.received) &&
           ParseNumber(f[3], line.bytes.sent) && ParseText(f[4], line.executable);
}

bool ParseCounts(const std::vector<std::string_view>& f, ByteCounts& counts) {
    return f.size() == 3 && ParseNumber(f[1], counts.received) && ParseNumber(f[2], counts.sent);
}

}  // namespace

RequestParse ParseRequest(std::string_view received) {
    const std::size_t newline = received.find('\n');
    std::string_view line = received.substr(0, newline);
    if (newline != std::string_view::npos) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line == kRequestList && newline + 1 == received.size()) return {RequestState::List, {}};
        return {RequestState::Bad, "unknown request; send \"list\" and a newline"};
    }
    if (received.size() >= kMaxRequestBytes) return {RequestState::Bad, "request too long"};
    // What cannot become "list" is refused at once rather than waited for.
    const std::string_view expected =
        received.size() <= kRequestList.size() ? kRequestList : std::string_view("list\r");
    if (expected.substr(0, received.size()) != received) {
        return {RequestState::Bad, "unknown request; send \"list\" and a newline"};
    }
    return {RequestState::NeedMore, {}};
}

std::string PercentEncode(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (NeedsEscape(byte)) {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xf];
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<std::string> PercentDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        const int high = HexValue(text[i + 1]);
        const int low = HexValue(text[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

std::string WriteReply(const Reply& reply) {
    std::string out(kHeaderTag);
    AppendNumber(out, kProtocolVersion);
    AppendField(out, std::to_string(reply.startedUnix));
    out += '\n';
    for (const ProcessLine& p : reply.processes) {
        out += "process";
        AppendNumber(out, p.pid);
        AppendNumber(out, p.startTicks);
        AppendNumber(out, p.uid);
        AppendNumber(out, p.bytes.received);
        AppendNumber(out, p.bytes.sent);
        AppendField(out, PercentEncode(p.comm));
        AppendField(out, PercentEncode(p.executable));
        AppendField(out, PercentEncode(p.unit));
        out += '\n';
    }
    for (const ExitedLine& e : reply.exited) {
        out += "exited";
        AppendNumber(out, e.uid);
        AppendNumber(out, e.bytes.received);
        AppendNumber(out, e.bytes.sent);
        AppendField(out, PercentEncode(e.executable));
        out += '\n';
    }
    AppendCountsLine(out, "untagged", reply.untagged);
    AppendCountsLine(out, "kernel", reply.kernel);
    AppendCountLine(out, "refused", reply.refused);
    AppendCountLine(out, "lost", reply.lostEvents);
    out += "end\n";
    return out;
}

std::string ErrorLine(std::string_view text) {
    return "error\t" + PercentEncode(text) + "\n";
}

ReplyParse ParseReply(std::string_view text) {
    Reply reply;
    bool header = false;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        if (newline == std::string_view::npos)
            return {std::nullopt, "the reply ends in the middle of a line"};
        const std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline + 1);
        ++lineNumber;
        const auto fields = SplitFields(line);
        const std::string_view kind = fields.front();
        const std::string where = " (line " + std::to_string(lineNumber) + ")";
        if (!header) {
            if (kind == "error" && fields.size() == 2) {
                return {std::nullopt,
                        "the counter refused: " + PercentDecode(fields[1]).value_or("?")};
            }
            int version = 0;
            if (kind != kHeaderTag || fields.size() != 3 || !ParseNumber(fields[1], version) ||
                !ParseNumber(fields[2], reply.startedUnix)) {
                return {std::nullopt, "not a bytelora-countd reply"};
            }
            if (version != kProtocolVersion) {
                return {std::nullopt, "the counter speaks version " + std::to_string(version) +
                                          ", this program version " +
                                          std::to_string(kProtocolVersion)};
            }
            header = true;
            continue;
        }
        if (kind == "process") {
            ProcessLine process;
            if (!ParseProcess(fields, process))
                return {std::nullopt, "a malformed process line" + where};
            reply.processes.push_back(std::move(process));
        } else if (kind == "exited") {
            ExitedLine exited;
            if (!ParseExited(fields, exited))
                return {std::nullopt, "a malformed exited line" + where};
            reply.exited.push_back(std::move(exited));
        } else if (kind == "untagged" || kind == "kernel") {
            ByteCounts counts;
            if (!ParseCounts(fields, counts)) {
                return {std::nullopt, "a malformed " + std::string(kind) + " line" + where};
            }
            (kind == "untagged" ? reply.untagged : reply.kernel) = counts;
        } else if (kind == "refused" || kind == "lost") {
            std::uint64_t count = 0;
            if (fields.size() != 2 || !ParseNumber(fields[1], count)) {
                return {std::nullopt, "a malformed " + std::string(kind) + " line" + where};
            }
            (kind == "refused" ? reply.refused : reply.lostEvents) = count;
        } else if (kind == "end" && fields.size() == 1) {
            if (!text.empty()) return {std::nullopt, "text after the end of the reply"};
            return {std::move(reply), {}};
        } else if (kind == "end") {
            return {std::nullopt, "a malformed end line" + where};
        }
        // Any other kind is from a newer counter: skipped, as the version stays 1.
    }
    return {std::nullopt, header ? "the reply was cut short" : "an empty reply"};
}

}  // namespace bytelora::countd
