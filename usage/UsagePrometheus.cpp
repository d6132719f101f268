#include "usage/UsagePrometheus.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace bytelora {

namespace fs = std::filesystem;

namespace {

// A label value: backslash, double quote and line feed are escaped, nothing else is.
std::string LabelValue(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\' || c == '"') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

void AddCounter(std::string& out, const char* name, const char* help,
                const std::map<std::string, CounterPair>& totals, bool received) {
    out += std::string("# HELP ") + name + ' ' + help + '\n';
    out += std::string("# TYPE ") + name + " counter\n";
    for (const auto& [interfaceName, pair] : totals) {
        out += std::string(name) + "{interface=\"" + LabelValue(interfaceName) + "\"} " +
               std::to_string(received ? pair.received : pair.sent) + '\n';
    }
}

}  // namespace

std::string PrometheusText(const std::map<std::string, CounterPair>& totals) {
    std::string out;
    AddCounter(out, "bytelora_received_bytes_total",
               "Bytes received on a counted interface since Bytelora began recording.", totals,
               true);
    AddCounter(out, "bytelora_sent_bytes_total",
               "Bytes sent on a counted interface since Bytelora began recording.", totals, false);
    return out;
}

std::string WriteTextfile(const fs::path& folder, const std::string& text) {
    const fs::path target = folder / kTextfileName;
    // The collector reads only names ending in ".prom".
    const fs::path temporary = folder / (std::string(".") + kTextfileName + ".tmp");
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file) return "cannot create " + temporary.string() + ": " + std::strerror(errno);
        file << text;
        file.close();
        if (!file) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return "cannot write " + temporary.string() + " (is the disk full?)";
        }
    }
    std::error_code ec;
    fs::rename(temporary, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return "cannot replace " + target.string() + ": " + ec.message();
    }
    return {};
}

}  // namespace bytelora
