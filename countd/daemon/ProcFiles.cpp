#include "countd/daemon/ProcFiles.h"

#include <charconv>
#include <iterator>
#include <vector>

#include "countd/protocol/FileText.h"

namespace bytelora::countd {

namespace {

std::string LastUnitIn(std::string_view path) {
    std::string_view unit;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t slash = path.find('/', start);
        const std::string_view name =
            path.substr(start, slash == std::string_view::npos ? std::string_view::npos : slash - start);
        if (name.ends_with(".scope") || name.ends_with(".service")) unit = name;
        if (slash == std::string_view::npos) break;
        start = slash + 1;
    }
    return std::string(unit);
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace

std::optional<std::uint64_t> StartTicksFromStat(std::string_view stat) {
    const std::size_t close = stat.rfind(')');
    if (close == std::string_view::npos) return std::nullopt;
    std::string_view rest = stat.substr(close + 1);
    // After the command name come field 3 (state) onwards; the start time is field 22.
    int field = 2;
    while (!rest.empty()) {
        while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
        const std::size_t end = rest.find_first_of(" \n");
        const std::string_view token = rest.substr(0, end);
        if (token.empty()) break;
        if (++field == 22) {
            std::uint64_t ticks = 0;
            const auto [ptr, error] = std::from_chars(token.data(), token.data() + token.size(), ticks);
            if (error != std::errc() || ptr != token.data() + token.size()) return std::nullopt;
            return ticks;
        }
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end);
    }
    return std::nullopt;
}

std::string UnitFromCgroupFile(std::string_view cgroupFile) {
    std::string fromSystemdTree;
    for (const std::string_view line : Lines(cgroupFile)) {
        if (line.starts_with("0::")) {
            std::string unit = LastUnitIn(line.substr(3));
            if (!unit.empty()) return unit;
        } else if (const std::size_t at = line.find(":name=systemd:"); at != std::string_view::npos) {
            fromSystemdTree = LastUnitIn(line.substr(at + 14));
        }
    }
    return fromSystemdTree;
}

std::string Cgroup2MountFromMountInfo(std::string_view mountInfo) {
    for (const std::string_view line : Lines(mountInfo)) {
        // "<id> <parent> <major:minor> <root> <mount point> <options> [optional...] - <type> ..."
        const std::size_t separator = line.find(" - ");
        if (separator == std::string_view::npos) continue;
        if (!line.substr(separator + 3).starts_with("cgroup2 ")) continue;
        std::vector<std::string_view> fields;
        std::string_view head = line.substr(0, separator);
        while (!head.empty() && fields.size() < 5) {
            const std::size_t space = head.find(' ');
            fields.push_back(head.substr(0, space));
            if (space == std::string_view::npos) break;
            head.remove_prefix(space + 1);
        }
        if (fields.size() == 5 && fields[3] == "/") return std::string(fields[4]);
    }
    return {};
}

std::optional<std::uint64_t> ReadStartTicks(std::uint32_t pid) {
    const std::string text = ReadFileText("/proc/" + std::to_string(pid) + "/stat", 4096);
    if (text.empty()) return std::nullopt;
    return StartTicksFromStat(text);
}

std::string ReadUnit(std::uint32_t pid) {
    return UnitFromCgroupFile(ReadFileText("/proc/" + std::to_string(pid) + "/cgroup", 64 * 1024));
}

}  // namespace bytelora::countd
