// bytelora_log_writer <log> <writer name> <lines>: appends "<name> <n> <padding>" lines,
// n from 0, with padding of varying length so that a torn or mixed write would show.
// Exits 1 if any append failed.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "history/HistoryLog.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: bytelora_log_writer <log> <writer name> <lines>\n");
        return 2;
    }
    const std::string log = argv[1];
    const std::string name = argv[2];
    const long lines = std::strtol(argv[3], nullptr, 10);
    int status = 0;
    for (long n = 0; n < lines; ++n) {
        const auto padding = static_cast<std::size_t>((n * 37) % 211);
        const std::string line =
            name + " " + std::to_string(n) + " " + std::string(padding, name.front());
        try {
            bytelora::AppendToHistoryLog(log, line);
        } catch (const bytelora::HistoryLogError& error) {
            std::fprintf(stderr, "%s\n", error.what());
            status = 1;
        }
    }
    return status;
}
