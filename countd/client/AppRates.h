#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "countd/client/AppsReport.h"

namespace bytelora {

struct AppRateRow {
    std::string name;
    std::string executable;
    // Kilobytes (1024 bytes) a second over the last interval, whole, as the main window's.
    std::uint64_t downloadKbps = 0;
    std::uint64_t uploadKbps = 0;
    countd::ByteCounts bytes;  // since the counter started
    std::string icon = {};     // the desktop entry's Icon, or empty
};

// Turns successive looks at the counter into each application's rates: the bytes that
// passed between two looks over the monotonic time between them. Sorted by rate, the
// busiest first (then by bytes, then by name, so that rows do not jump about).
class AppRates {
  public:
    std::vector<AppRateRow> Update(const countd::AppsReport& report,
                                   std::chrono::steady_clock::time_point at);

  private:
    std::optional<std::chrono::steady_clock::time_point> previousAt_;
    std::int64_t startedUnix_ = 0;
    std::map<std::string, countd::ByteCounts> previous_;  // by executable (or name)
};

}  // namespace bytelora
