#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "usage/UsageLimit.h"
#include "usage/UsageView.h"

namespace bytelora {

// Why a write did not reach the database. Each cause is told to the user once a run.
enum class StoreFault { None, Locked, Full, ReadOnly, Damaged, Newer, Other };

// One interface's octet counters as the table showed them.
struct CounterPair {
    std::uint64_t received = 0;
    std::uint64_t sent = 0;
    bool operator==(const CounterPair&) const = default;
};

// The counters of the last write, with the boot they belong to: counters only compare
// within one boot.
struct StoredCounters {
    std::string bootId;
    std::map<std::string, CounterPair> counters;
};

// One application's bytes in one UTC hour: the programs of one executable, named as they
// were named when the bytes were counted.
struct AppUsageRow {
    std::string executable;
    std::string name;
    UsageHour hour = 0;
    std::uint64_t received = 0;
    std::uint64_t sent = 0;
    bool operator==(const AppUsageRow&) const = default;
};

// The usage database as the recorder and the views use it.
class UsageDatabase {
  public:
    virtual ~UsageDatabase() = default;

    // Adds the rows' bytes (the interfaces' and the applications') to the stored hours and
    // replaces the stored counters, all in one transaction: either everything is stored
    // or nothing.
    virtual StoreFault Add(const std::vector<UsageRow>& rows, const std::vector<AppUsageRow>& apps,
                           const StoredCounters& counters) = 0;
    // Nothing when the database cannot be read now (it could not be opened yet): the
    // recorder then holds its start counters until it can compare them.
    virtual std::optional<StoredCounters> LastCounters() = 0;
    // The stored rows of the hours [range.from, range.to), ordered by hour.
    virtual std::vector<UsageRow> Rows(HourRange range) = 0;
    // The interfaces that have any stored row.
    virtual std::vector<std::string> InterfaceNames() = 0;
    // The stored application rows of the hours [range.from, range.to), ordered by hour.
    virtual std::vector<AppUsageRow> AppRows(HourRange) { return {}; }

    // Which limit balloons were shown in the accounting month that starts on `period`.
    virtual AlertsGiven Alerts(const std::string& period) = 0;
    virtual StoreFault SaveAlerts(const std::string& period, const AlertsGiven& given) = 0;

    // Where the database lies, for messages.
    virtual std::string Location() const = 0;

    // The names users know the stored interfaces by (their aliases), by stored name.
    // A renamed alias replaces the old one; the hours stay with the stored name.
    virtual std::map<std::string, std::string> Aliases() { return {}; }
    virtual StoreFault SaveAliases(const std::map<std::string, std::string>&) {
        return StoreFault::None;
    }
};

}  // namespace bytelora
