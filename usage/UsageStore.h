#pragma once

#include <QSqlDatabase>
#include <QString>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "common/Clock.h"
#include "usage/UsageDatabase.h"
#include "usage/UsageRecorder.h"

namespace bytelora {

// The usage database: SQLite through Qt SQL, one file per user.
//
// Schema (version in PRAGMA user_version, upgraded step by step from the first one):
//   usage_hours(hour, interface, received, sent)  bytes per UTC hour, kept for ever
//   last_counters(interface, received, sent)      the counters of the last write
//   state(key, value)                              the boot those counters belong to,
//                                                  and "alias:<interface>" per alias
//   alerts(period, near, reached)                  limit balloons shown per month
//   interfaces(name)                               every interface with stored hours
//   app_hours(hour, executable, name, received, sent)  bytes per application and UTC
//                                                  hour, named as at the last write
class UsageStore final : public UsageDatabase {
  public:
    static constexpr int kSchemaVersion = 3;

    enum class Mode {
        // The one recorder: creates the folder and the file, moves a damaged file aside
        // and starts a new one, upgrades the schema.
        Record,
        // Everybody else: changes nothing on disk.
        Read,
    };

    enum class State {
        Open,
        Missing,     // Read: there is no database yet
        Damaged,     // Read: the file is not a usable database
        Unreadable,  // Read: a sound file this user cannot read (Problem() says why)
        Newer,       // from a newer Bytelora: read only
        Unwritable,  // Record: the file could not be opened or created (retried on write)
    };

    struct Options {
        std::filesystem::path file;
        Mode mode = Mode::Read;
        int busyTimeoutMs = 5000;
    };

    using Messages = std::function<void(const std::string&)>;

    UsageStore(Options options, const Clock& clock, Messages tell);
    ~UsageStore() override;
    UsageStore(const UsageStore&) = delete;
    UsageStore& operator=(const UsageStore&) = delete;

    State GetState() const { return state_; }
    // For Read: why the database could not be read.
    const std::string& Problem() const { return problem_; }

    StoreFault Add(const std::vector<UsageRow>& rows, const std::vector<AppUsageRow>& apps,
                   const StoredCounters& counters) override;
    std::optional<StoredCounters> LastCounters() override;
    std::vector<UsageRow> Rows(HourRange range) override;
    std::vector<std::string> InterfaceNames() override;
    std::vector<AppUsageRow> AppRows(HourRange range) override;
    // The same hours summed in the database, one row per application: its bytes in the
    // range, with the latest of its hours and the name it had then.
    std::vector<AppUsageRow> AppSums(HourRange range);
    AlertsGiven Alerts(const std::string& period) override;
    StoreFault SaveAlerts(const std::string& period, const AlertsGiven& given) override;
    std::string Location() const override;
    std::map<std::string, std::string> Aliases() override;
    StoreFault SaveAliases(const std::map<std::string, std::string>& aliases) override;

    // The first hour with stored usage; nothing in an empty store.
    std::optional<UsageHour> FirstHour();
    // Each interface's bytes over every stored hour.
    std::map<std::string, CounterPair> Totals();

    // The connection, for tests that need to reach past the interface.
    QSqlDatabase& Connection() { return db_; }

  private:
    // The one check before every read: the tables are there to read.
    bool Readable() const;
    // The one check before every write: why nothing may be written now, None when it may.
    StoreFault WriteRefusal() const;
    // The recorder tries again to open a file it could not open before.
    void RetryUnwritable();

    void Open();
    // `immutable`: read a file nobody can be writing without the -shm file that a
    // database in WAL mode otherwise needs (a folder this user cannot write).
    bool OpenConnection(bool immutable = false);
    void OpenForReading();
    void CloseConnection();
    StoreFault Prepare();
    StoreFault Migrate(int from);
    void MoveDamagedAside();
    StoreFault Recover(StoreFault fault);

    Options options_;
    const Clock& clock_;
    Messages tell_;
    QString name_;
    QSqlDatabase db_;
    State state_ = State::Missing;
    std::string problem_;
};

// Makes the folder (and its parents) readable by the user alone when it is new.
void MakePrivateFolder(const std::filesystem::path& folder);

// What an SQLite result code (as Qt reports it) means for a write.
StoreFault FaultOfSqliteCode(int code);

}  // namespace bytelora
