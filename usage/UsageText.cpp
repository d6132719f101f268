#include "usage/UsageText.h"

#include <cstdio>

namespace bytelora {

ByteAmountParts SplitByteAmount(std::uint64_t bytes) {
    static const char* const kUnits[] = {"B", "KB", "MB", "GB", "TB", "PB", "EB"};
    if (bytes < 1024) return {static_cast<double>(bytes), 0, kUnits[0]};
    double value = static_cast<double>(bytes);
    std::size_t unit = 0;
    while (value >= 1024.0 && unit + 1 < std::size(kUnits)) {
        value /= 1024.0;
        ++unit;
    }
    // Three significant figures at most: "1.5 KB", "12.3 MB", "312 GB".
    return {value, value < 99.95 ? 1 : 0, kUnits[unit]};
}

std::string ByteAmountText(std::uint64_t bytes) {
    if (bytes < 1024) return std::to_string(bytes) + " B";
    const ByteAmountParts parts = SplitByteAmount(bytes);
    char text[32];
    std::snprintf(text, sizeof text, "%.*f %s", parts.decimals, parts.value, parts.unit);
    return text;
}

namespace {

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string JsonEntries(const UsageView& view, const std::vector<UsageBucket>& buckets,
                        const std::string& indent) {
    std::string out = "[";
    for (std::size_t i = 0; i < buckets.size(); ++i) {
        out += i == 0 ? "\n" : ",\n";
        out += indent + "  {" + JsonString(EntryKey(view.kind)) + ": " +
               JsonString(buckets[i].label) +
               ", \"received\": " + std::to_string(buckets[i].received) +
               ", \"sent\": " + std::to_string(buckets[i].sent) + "}";
    }
    return out + (buckets.empty() ? "]" : "\n" + indent + "]");
}

// CSV fields that could start a formula in a spreadsheet are not produced: labels are
// dates and amounts are digits.
std::string CsvHeader(const UsageView& view) {
    return std::string(EntryKey(view.kind)) + ",received,sent,total\r\n";
}

const char* ColumnTitle(UsageViewKind kind) {
    switch (kind) {
        case UsageViewKind::Hours:
            return "Hour";
        case UsageViewKind::Months:
            return "Month";
        case UsageViewKind::Years:
            return "Year";
        case UsageViewKind::Days:
        case UsageViewKind::Top:
            break;
    }
    return "Date";
}

}  // namespace

std::string UsageJson(const UsageView& view) {
    std::string out = "{\n  \"unit\": \"bytes\",\n  " + JsonString(ViewKey(view.kind)) + ": " +
                      JsonEntries(view, view.total, "  ") + ",\n  \"interfaces\": {";
    bool first = true;
    for (const auto& [name, buckets] : view.interfaces) {
        out += first ? "\n" : ",\n";
        first = false;
        out += "    " + JsonString(name) + ": " + JsonEntries(view, buckets, "    ");
    }
    out += first ? "}" : "\n  }";
    // The names users know, for the interfaces above that have one.
    bool firstAlias = true;
    for (const auto& [name, alias] : view.aliases) {
        if (!view.interfaces.contains(name)) continue;
        out += firstAlias ? ",\n  \"aliases\": {\n" : ",\n";
        firstAlias = false;
        out += "    " + JsonString(name) + ": " + JsonString(alias);
    }
    if (!firstAlias) out += "\n  }";
    return out + "\n}\n";
}

std::string UsageCsv(const UsageView& view) {
    std::string out = CsvHeader(view);
    for (const UsageBucket& bucket : view.total) {
        out += bucket.label + "," + std::to_string(bucket.received) + "," +
               std::to_string(bucket.sent) + "," + std::to_string(bucket.received + bucket.sent) +
               "\r\n";
    }
    return out;
}

std::string UsageTable(const UsageView& view) {
    char line[128];
    std::string out;
    std::snprintf(line, sizeof line, "%-18s %12s %12s %12s\n", ColumnTitle(view.kind), "Received",
                  "Sent", "Total");
    out += line;
    std::uint64_t received = 0, sent = 0;
    for (const UsageBucket& bucket : view.total) {
        received += bucket.received;
        sent += bucket.sent;
        std::snprintf(line, sizeof line, "%-18s %12s %12s %12s\n", bucket.label.c_str(),
                      ByteAmountText(bucket.received).c_str(), ByteAmountText(bucket.sent).c_str(),
                      ByteAmountText(bucket.received + bucket.sent).c_str());
        out += line;
    }
    std::snprintf(line, sizeof line, "%-18s %12s %12s %12s\n", "Total",
                  ByteAmountText(received).c_str(), ByteAmountText(sent).c_str(),
                  ByteAmountText(received + sent).c_str());
    return out + line;
}

}  // namespace bytelora
