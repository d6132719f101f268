#pragma once

#include <optional>
#include <string>
#include <vector>

#include "countd/client/AppNames.h"
#include "countd/protocol/CountdProtocol.h"

// The counter's reply as applications: `bytelora-cli apps` and the Applications window.
namespace bytelora::countd {

struct AppUsage {
    std::string name;
    std::string executable;
    ByteCounts bytes;
    std::string icon = {};  // the desktop entry's, for windows; not in the JSON
};

struct AppsReport {
    std::int64_t startedUnix = 0;
    // Whether the reply held every user's processes (root asked).
    bool everyUser = false;
    // Busiest first.
    std::vector<AppUsage> applications;
    // The counted interfaces' bytes since the counter started minus the programs' sum,
    // never negative; empty when the interfaces' bytes since then are not known.
    std::optional<ByteCounts> other;
    // Programs the counter could not tell apart (their user's share of its table was
    // full): their bytes are in "other".
    std::uint64_t refused = 0;
};

// The key an application is known by: its executable, or "[name]" for programs the
// kernel gave no executable.
std::string ApplicationKey(const std::string& executable, const std::string& name);

// Groups processes and exited ones by executable and names each after its desktop
// entry; `interfacesSinceStart` gives "other".
AppsReport GroupByApplication(const Reply& reply, const AppNames& names,
                              const std::optional<ByteCounts>& interfacesSinceStart);

// {"unit":"bytes","applications":[{"name":…,"executable":…,"received":…,"sent":…},…],
//  "other":{"received":…,"sent":…},"refused":…}; "other" is null when it is not known,
// "refused" the programs whose bytes are in it because they could not be told apart.
std::string AppsJson(const AppsReport& report);

// A JSON string for any bytes: invalid UTF-8 becomes U+FFFD.
std::string JsonText(std::string_view text);

}  // namespace bytelora::countd
