#pragma once

#include <cstdint>
#include <string>

#include "usage/UsageView.h"

namespace bytelora {

// An amount in units of 1024, as the program's rates use: "512 B", "1.5 KB", "312 GB".
std::string ByteAmountText(std::uint64_t bytes);

// The same amount in parts, for the windows that show it in the locale's form: the
// number, its decimals (0 or 1) and the unit ("B", "KB" ... "EB").
struct ByteAmountParts {
    double value;
    int decimals;
    const char* unit;
};
ByteAmountParts SplitByteAmount(std::uint64_t bytes);

// The view as the stable JSON of `bytelora-cli usage --json`:
//   {"unit": "bytes", "days": [{"date": "2024-03-05", "received": N, "sent": N}, ...],
//    "interfaces": {"eth0": [...the same entries for eth0...]},
//    "aliases": {"<stored name>": "Ethernet"}}   (only where an interface has an alias)
std::string UsageJson(const UsageView& view);

// The view as CSV: a header line, then one line per entry: label,received,sent,total
// in bytes. Lines end with CR LF, as spreadsheet programs expect.
std::string UsageCsv(const UsageView& view);

// The view as a table for a terminal, with amounts in units of 1024.
std::string UsageTable(const UsageView& view);

}  // namespace bytelora
