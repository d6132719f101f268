#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bytelora::testing {

struct ProcNetDevRow {
    std::string name;
    std::uint64_t rxBytes = 0;
    std::uint64_t txBytes = 0;
};

// Reads the kernel's text table of interface counters; false when it cannot be read.
// Kept lean on purpose: it is also the yardstick the table read is measured against.
inline bool ReadProcNetDev(std::vector<ProcNetDevRow>& rows, std::string& buffer,
                           const char* path = "/proc/net/dev") {
    rows.clear();
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    if (buffer.size() < 16384) buffer.resize(16384);
    std::size_t used = 0;
    for (;;) {
        if (used == buffer.size()) buffer.resize(buffer.size() * 2);
        const ssize_t n = ::read(fd, buffer.data() + used, buffer.size() - used);
        if (n <= 0) break;
        used += static_cast<std::size_t>(n);
    }
    ::close(fd);

    std::string_view text(buffer.data(), used);
    for (int skip = 0; skip < 2; ++skip)
        text.remove_prefix(std::min(text.find('\n') + 1, text.size()));
    while (!text.empty()) {
        const std::size_t eol = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, eol);
        text.remove_prefix(std::min(eol + 1, text.size()));
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) continue;
        ProcNetDevRow row;
        std::string_view name = line.substr(0, colon);
        name.remove_prefix(std::min(name.find_first_not_of(' '), name.size()));
        row.name = std::string(name);
        const char* p = line.data() + colon + 1;
        const char* end = line.data() + line.size();
        std::uint64_t fields[9] = {};
        for (auto& field : fields) {
            while (p < end && *p == ' ') ++p;
            p = std::from_chars(p, end, field).ptr;
        }
        row.rxBytes = fields[0];
        row.txBytes = fields[8];
        rows.push_back(std::move(row));
    }
    return true;
}

}  // namespace bytelora::testing
