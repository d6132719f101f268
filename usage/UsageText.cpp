#include "usage/UsageText.h"

#include <cstdio>

#include "common/TextColumns.h"
#include "common/Translate.h"

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
            return BYTELORA_TEXT_NOOP("bytelora::UsageTable", "Hour");
        case UsageViewKind::Months:
            return BYTELORA_TEXT_NOOP("bytelora::UsageTable", "Month");
        case UsageViewKind::Years:
            return BYTELORA_TEXT_NOOP("bytelora::UsageTable", "Year");
        case UsageViewKind::Days:
        case UsageViewKind::Top:
            break;
    }
    return BYTELORA_TEXT_NOOP("bytelora::UsageTable", "Date");
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
    // A table for a person: its headings in the user's language, its amounts as the
    // exports write them.
    const auto line = [](const std::string& label, const std::string& received,
                         const std::string& sent, const std::string& total) {
        return PadToColumns(label, 18) + " " + PadToColumns(received, 12, true) + " " +
               PadToColumns(sent, 12, true) + " " + PadToColumns(total, 12, true) + "\n";
    };
    std::string out =
        line(Translate("bytelora::UsageTable", ColumnTitle(view.kind)),
             Translate("bytelora::UsageTable", "Received"),
             Translate("bytelora::UsageTable", "Sent"), Translate("bytelora::UsageTable", "Total"));
    std::uint64_t received = 0, sent = 0;
    for (const UsageBucket& bucket : view.total) {
        received += bucket.received;
        sent += bucket.sent;
        out += line(bucket.label, ByteAmountText(bucket.received), ByteAmountText(bucket.sent),
                    ByteAmountText(bucket.received + bucket.sent));
    }
    return out + line(Translate("bytelora::UsageTable", "Total"), ByteAmountText(received),
                      ByteAmountText(sent), ByteAmountText(received + sent));
}

}  // namespace bytelora
