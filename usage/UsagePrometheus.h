#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "usage/UsageDatabase.h"

namespace bytelora {

// The all-time totals per interface in Prometheus's text exposition format (version
// 0.0.4): two counters, bytelora_received_bytes_total and bytelora_sent_bytes_total,
// each with an `interface` label, after their # HELP and # TYPE lines.
std::string PrometheusText(const std::map<std::string, CounterPair>& totals);

// The setting that gives the window a textfile folder; empty or missing for none.
inline constexpr char kTextfileFolderKey[] = "Prometheus Textfile Folder";

// The file node_exporter's textfile collector reads, in the folder it is given.
inline constexpr char kTextfileName[] = "bytelora.prom";

// Replaces folder/bytelora.prom with `text` at once: written whole into a temporary file
// beside it (a name the collector skips), then renamed over it, so a scrape never sees
// half a file. The error, or an empty text when it worked.
std::string WriteTextfile(const std::filesystem::path& folder, const std::string& text);

}  // namespace bytelora
