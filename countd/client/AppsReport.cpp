#include "countd/client/AppsReport.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace bytelora::countd {

namespace {

std::uint64_t Total(const ByteCounts& counts) { return counts.received + counts.sent; }

std::uint64_t LessClamped(std::uint64_t a, std::uint64_t b) { return a > b ? a - b : 0; }

// The length of the valid UTF-8 sequence at the start of `text`, 0 if there is none.
std::size_t Utf8Length(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t minimum = 0;
    char32_t cp = 0;
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) length = 2, minimum = 0x80, cp = lead & 0x1F;
    else if ((lead & 0xF0) == 0xE0) length = 3, minimum = 0x800, cp = lead & 0x0F;
    else if ((lead & 0xF8) == 0xF0) length = 4, minimum = 0x10000, cp = lead & 0x07;
    else return 0;
    if (text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(i) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

std::string JsonText(std::string_view text) {
    std::string out = "\"";
    while (!text.empty()) {
        const char c = text.front();
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else if (const std::size_t length = Utf8Length(text); length > 0) {
            out += text.substr(0, length);
            text.remove_prefix(length);
            continue;
        } else {
            out += "\xEF\xBF\xBD";
        }
        text.remove_prefix(1);
    }
    return out + "\"";
}

std::string ApplicationKey(const std::string& executable, const std::string& name) {
    return executable.empty() ? "[" + name + "]" : executable;
}

AppsReport GroupByApplication(const Reply& reply, const AppNames& names,
                              const std::optional<ByteCounts>& interfacesSinceStart) {
    AppsReport report;
    report.startedUnix = reply.startedUnix;
    report.everyUser = reply.untagged.has_value();
    report.refused = reply.refused.value_or(0);
    std::map<std::string, AppUsage> byExecutable;
    const auto add = [&](const std::string& executable, const std::string& fallbackName, std::string_view unit,
                         const ByteCounts& bytes) {
        // A process without an executable (the kernel found none) is told by its name.
        const std::string key = ApplicationKey(executable, fallbackName);
        auto [it, fresh] = byExecutable.try_emplace(key);
        if (fresh) {
            it->second.executable = executable;
            it->second.name = executable.empty() ? fallbackName : names.NameOf(executable, unit);
            if (!executable.empty()) it->second.icon = names.IconOf(executable, unit);
        }
        it->second.bytes.received += bytes.received;
        it->second.bytes.sent += bytes.sent;
    };
    for (const ProcessLine& p : reply.processes) add(p.executable, p.comm.empty() ? "unknown" : p.comm, p.unit, p.bytes);
    for (const ExitedLine& e : reply.exited) add(e.executable, "unknown", {}, e.bytes);

    ByteCounts programs;
    for (auto& [key, usage] : byExecutable) {
        // A program that made a socket and moved nothing is not worth a row.
        if (Total(usage.bytes) == 0) continue;
        programs.received += usage.bytes.received;
        programs.sent += usage.bytes.sent;
        report.applications.push_back(std::move(usage));
    }
    std::stable_sort(report.applications.begin(), report.applications.end(),
                     [](const AppUsage& a, const AppUsage& b) { return Total(a.bytes) > Total(b.bytes); });
    if (interfacesSinceStart) {
        report.other = ByteCounts{LessClamped(interfacesSinceStart->received, programs.received),
                                  LessClamped(interfacesSinceStart->sent, programs.sent)};
    }
    return report;
}

std::string AppsJson(const AppsReport& report) {
    std::string out = "{\"unit\":\"bytes\",\"applications\":[";
    for (std::size_t i = 0; i < report.applications.size(); ++i) {
        const AppUsage& app = report.applications[i];
        if (i > 0) out += ',';
        out += "{\"name\":" + JsonText(app.name) + ",\"executable\":" + JsonText(app.executable) +
               ",\"received\":" + std::to_string(app.bytes.received) + ",\"sent\":" + std::to_string(app.bytes.sent) +
               "}";
    }
    out += "],\"other\":";
    if (report.other) {
        out += "{\"received\":" + std::to_string(report.other->received) +
               ",\"sent\":" + std::to_string(report.other->sent) + "}";
    } else {
        out += "null";
    }
    return out + ",\"refused\":" + std::to_string(report.refused) + "}\n";
}

}  // namespace bytelora::countd
