#include "countd/protocol/StartBaseline.h"

#include <charconv>

#include "netstats/InterfaceTable.h"

namespace bytelora::countd {

namespace {

constexpr std::string_view kTag = "bytelora-countd-start";

template <typename Value>
bool ParseNumber(std::string_view text, Value& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

}  // namespace

ByteCounts MovedSince(const StartBaseline& baseline, const InterfaceTable& now,
                      const std::vector<bool>& counted) {
    ByteCounts moved;
    std::size_t position = 0;
    for (const auto& row : now) {
        const std::size_t at = position++;
        if (at >= counted.size() || !counted[at]) continue;
        const std::uint64_t packets = row->UnicastPacketsReceived() + row->NonunicastPacketsReceived() +
                                      row->UnicastPacketsSent() + row->NonunicastPacketsSent();
        std::uint64_t received = row->OctetsReceived();
        std::uint64_t sent = row->OctetsSent();
        std::uint64_t packetsSince = packets;
        for (const InterfaceStart& start : baseline.interfaces) {
            if (start.name != row->InterfaceName()) continue;
            if (received >= start.received && sent >= start.sent && packets >= start.packets) {
                received -= start.received;
                sent -= start.sent;
                packetsSince -= start.packets;
            }
            break;
        }
        const std::uint64_t total = received + sent;
        std::uint64_t ipTotal = total;
        if (row->InterfaceType() == kIfTypeEthernet || row->InterfaceType() == kIfTypeWireless) {
            ipTotal = total > 14 * packetsSince ? total - 14 * packetsSince : 0;
        }
        // The header bytes are taken from the two ways in proportion to their bytes.
        const auto ipReceived =
            total == 0 ? 0 : static_cast<std::uint64_t>(static_cast<long double>(ipTotal) * received / total);
        moved.received += ipReceived;
        moved.sent += ipTotal - ipReceived;
    }
    return moved;
}

std::string BaselinePathFor(const std::string& socketPath) { return socketPath + ".start"; }

StartBaseline BaselineOf(std::int64_t startedUnix, const InterfaceTable& table) {
    StartBaseline baseline{startedUnix, {}};
    for (const auto& row : table) {
        baseline.interfaces.push_back({row->InterfaceName(), row->InterfaceType(), row->OctetsReceived(),
                                       row->OctetsSent(),
                                       row->UnicastPacketsReceived() + row->NonunicastPacketsReceived() +
                                           row->UnicastPacketsSent() + row->NonunicastPacketsSent()});
    }
    return baseline;
}

std::string WriteBaseline(const StartBaseline& baseline) {
    std::string out = std::string(kTag) + "\t1\t" + std::to_string(baseline.startedUnix) + "\n";
    for (const InterfaceStart& i : baseline.interfaces) {
        out += PercentEncode(i.name) + "\t" + std::to_string(i.type) + "\t" + std::to_string(i.received) + "\t" +
               std::to_string(i.sent) + "\t" + std::to_string(i.packets) + "\n";
    }
    return out + "end\n";
}

std::optional<StartBaseline> ParseBaseline(std::string_view text) {
    StartBaseline baseline;
    bool header = false;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        if (newline == std::string_view::npos) return std::nullopt;
        std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline + 1);
        std::vector<std::string_view> f;
        while (true) {
            const std::size_t tab = line.find('\t');
            f.push_back(line.substr(0, tab));
            if (tab == std::string_view::npos) break;
            line.remove_prefix(tab + 1);
        }
        if (!header) {
            if (f.size() != 3 || f[0] != kTag || f[1] != "1" || !ParseNumber(f[2], baseline.startedUnix)) {
                return std::nullopt;
            }
            header = true;
            continue;
        }
        if (f.size() == 1 && f[0] == "end") return text.empty() ? std::optional(baseline) : std::nullopt;
        InterfaceStart i;
        auto name = f.size() == 5 ? PercentDecode(f[0]) : std::nullopt;
        if (!name || !ParseNumber(f[1], i.type) || !ParseNumber(f[2], i.received) || !ParseNumber(f[3], i.sent) ||
            !ParseNumber(f[4], i.packets)) {
            return std::nullopt;
        }
        i.name = std::move(*name);
        baseline.interfaces.push_back(std::move(i));
    }
    return std::nullopt;
}

}  // namespace bytelora::countd
