#include "usage/UsageStore.h"

#include <QDateTime>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <system_error>

namespace bytelora {

namespace fs = std::filesystem;

namespace {

QString PathText(const fs::path& path) {
    return QString::fromStdU16String(path.u16string());
}

int CodeOf(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code : -1;
}

// The SQLite result code of a failed statement, or 0 when it worked.
int Run(QSqlQuery& query, const QString& statement) {
    return query.exec(statement) ? 0 : CodeOf(query.lastError());
}

// "20241208-071502", local time.
std::string StampText(std::chrono::system_clock::time_point now) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(now.time_since_epoch());
    return QDateTime::fromSecsSinceEpoch(seconds.count())
        .toString(QStringLiteral("yyyyMMdd-HHmmss"))
        .toStdString();
}

// Version 0 is an empty file; each step brings the schema one version further.
const char* const kMigrations[][4] = {
    // 0 -> 1
    {"CREATE TABLE IF NOT EXISTS usage_hours(hour INTEGER NOT NULL, interface TEXT NOT NULL, "
     "received INTEGER NOT NULL DEFAULT 0, sent INTEGER NOT NULL DEFAULT 0, "
     "PRIMARY KEY(hour, interface)) WITHOUT ROWID",
     "CREATE TABLE IF NOT EXISTS last_counters(interface TEXT PRIMARY KEY NOT NULL, "
     "received INTEGER NOT NULL, sent INTEGER NOT NULL) WITHOUT ROWID",
     "CREATE TABLE IF NOT EXISTS state(key TEXT PRIMARY KEY NOT NULL, value TEXT NOT NULL) "
     "WITHOUT ROWID",
     "CREATE TABLE IF NOT EXISTS alerts(period TEXT PRIMARY KEY NOT NULL, near INTEGER NOT "
     "NULL, reached INTEGER NOT NULL) WITHOUT ROWID"},
    // 1 -> 2: the names of the interfaces, so that the window's filter need not scan
    // every stored hour.
    {"CREATE TABLE IF NOT EXISTS interfaces(name TEXT PRIMARY KEY NOT NULL) WITHOUT ROWID",
     "INSERT OR IGNORE INTO interfaces(name) SELECT DISTINCT interface FROM usage_hours", nullptr,
     nullptr},
    // 2 -> 3: the bytes of each application (the programs of one executable) per hour.
    {"CREATE TABLE IF NOT EXISTS app_hours(hour INTEGER NOT NULL, executable TEXT NOT NULL, "
     "name TEXT NOT NULL, received INTEGER NOT NULL DEFAULT 0, sent INTEGER NOT NULL DEFAULT 0, "
     "PRIMARY KEY(hour, executable)) WITHOUT ROWID",
     nullptr, nullptr, nullptr},
};
static_assert(std::size(kMigrations) == UsageStore::kSchemaVersion);

// Makes the file when it is missing; one that is there is left as it is.
void CreateEmptyFile(const fs::path& file) {
    QFile made(PathText(file));
    (void)made.open(QIODevice::WriteOnly | QIODevice::Append);
}

// A file that is not empty and does not start as every SQLite database does. Found
// before SQLite opens it: SQLite would delete a journal beside a file it cannot use,
// and that journal is part of what is kept.
bool NotADatabase(const fs::path& file) {
    std::error_code ec;
    if (fs::file_size(file, ec) == 0 || ec) return false;
    static constexpr char kHeader[] = "SQLite format 3";  // with its NUL: 16 bytes
    char start[sizeof kHeader] = {};
    QFile in(PathText(file));
    const qint64 got = in.open(QIODevice::ReadOnly) ? in.read(start, sizeof start) : -1;
    return got < static_cast<qint64>(sizeof start) ||
           !std::equal(start, start + sizeof start, kHeader);
}

}  // namespace

StoreFault FaultOfSqliteCode(int code) {
    switch (code & 0xff) {
        case 0:
            return StoreFault::None;
        case 5:  // SQLITE_BUSY
        case 6:  // SQLITE_LOCKED
            return StoreFault::Locked;
        case 13:  // SQLITE_FULL
            return StoreFault::Full;
        case 8:   // SQLITE_READONLY
        case 3:   // SQLITE_PERM
        case 14:  // SQLITE_CANTOPEN
            return StoreFault::ReadOnly;
        case 11:  // SQLITE_CORRUPT
        case 26:  // SQLITE_NOTADB
            return StoreFault::Damaged;
        default:
            return StoreFault::Other;
    }
}

void MakePrivateFolder(const fs::path& folder) {
    std::error_code ec;
    if (folder.empty() || fs::exists(folder, ec)) return;
    fs::create_directories(folder, ec);
    fs::permissions(folder, fs::perms::owner_all, ec);
}

UsageStore::UsageStore(Options options, const Clock& clock, Messages tell)
    : options_(std::move(options)), clock_(clock), tell_(std::move(tell)) {
    static std::atomic<int> counter{0};
    name_ = QStringLiteral("bytelora-usage-%1").arg(counter++);
    Open();
}

UsageStore::~UsageStore() {
    CloseConnection();
}

std::string UsageStore::Location() const {
    return options_.file.string();
}

bool UsageStore::OpenConnection(bool immutable) {
    CloseConnection();
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    // The wait for another program's lock is the same from the first statement on.
    QString connectOptions = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(options_.busyTimeoutMs);
    if (immutable) {
        db_.setDatabaseName(
            QUrl::fromLocalFile(PathText(options_.file)).toString(QUrl::FullyEncoded) +
            QStringLiteral("?mode=ro&immutable=1"));
        connectOptions += QStringLiteral(";QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI");
    } else {
        db_.setDatabaseName(PathText(options_.file));
        if (options_.mode == Mode::Read) connectOptions += QStringLiteral(";QSQLITE_OPEN_READONLY");
    }
    db_.setConnectOptions(connectOptions);
    return db_.open();
}

void UsageStore::CloseConnection() {
    if (!db_.isValid()) return;
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(name_);
}

void UsageStore::Open() {
    std::error_code ec;
    const bool exists = fs::exists(options_.file, ec);
    if (options_.mode == Mode::Read) {
        if (!exists) {
            state_ = State::Missing;
            return;
        }
        OpenForReading();
        return;
    }

    // Recording: the folder is private to the user, and so is the file.
    MakePrivateFolder(options_.file.parent_path());
    if (NotADatabase(options_.file)) MoveDamagedAside();
    if (!fs::exists(options_.file, ec)) {
        CreateEmptyFile(options_.file);
        fs::permissions(options_.file, fs::perms::owner_read | fs::perms::owner_write, ec);
    }
    if (!OpenConnection()) {
        state_ = State::Unwritable;
        return;
    }
    StoreFault fault = Prepare();
    if (fault == StoreFault::Damaged) {
        MoveDamagedAside();
        fault = OpenConnection() ? Prepare() : StoreFault::ReadOnly;
    }
    if (fault == StoreFault::Newer) {
        state_ = State::Newer;
    } else if (fault != StoreFault::None) {
        state_ = State::Unwritable;
        CloseConnection();
    } else {
        state_ = State::Open;
    }
}

void UsageStore::OpenForReading() {
    std::error_code ec;
    if (NotADatabase(options_.file)) {
        state_ = State::Damaged;
        problem_ = "it is not a database";
        return;
    }
    QSqlQuery query;
    const auto readable = [&](bool immutable) {
        query = QSqlQuery();  // a query keeps its connection in use
        if (!OpenConnection(immutable)) return false;
        query = QSqlQuery(db_);
        return Run(query, QStringLiteral("SELECT count(*) FROM usage_hours")) == 0;
    };
    bool read = readable(false);
    // A database in WAL mode is read through its -shm file, which SQLite makes beside it:
    // in a folder this user cannot write, that fails. With no write-ahead log to apply,
    // the file alone holds everything and is read as it stands.
    if (!read && FaultOfSqliteCode(CodeOf(query.lastError())) == StoreFault::ReadOnly) {
        const fs::path wal = options_.file.string() + "-wal";
        if (fs::file_size(wal, ec) > 0 && !ec) {
            state_ = State::Unreadable;
            problem_ = "its folder cannot be written, and its latest changes, in " + wal.string() +
                       ", can only be read with a file beside it (" + options_.file.string() +
                       "-shm) that cannot be made there";
            CloseConnection();
            return;
        }
        read = readable(true);
    }
    if (!read) {
        // A database without our tables (or no database at all) has nothing to show;
        // an empty but valid file has no tables yet either.
        const StoreFault fault = FaultOfSqliteCode(CodeOf(query.lastError()));
        const std::string why = query.lastError().databaseText().toStdString();
        if (fault == StoreFault::ReadOnly) {
            state_ = State::Unreadable;
            problem_ = why;
        } else if (fault == StoreFault::Damaged || fs::file_size(options_.file, ec) != 0) {
            state_ = State::Damaged;
            problem_ = why;
        } else {
            state_ = State::Missing;
        }
        query = QSqlQuery();
        CloseConnection();
        return;
    }
    query.exec(QStringLiteral("PRAGMA user_version"));
    state_ = query.next() && query.value(0).toInt() > kSchemaVersion ? State::Newer : State::Open;
}

StoreFault UsageStore::Prepare() {
    QSqlQuery query(db_);
    if (const int code = Run(query, QStringLiteral("PRAGMA user_version")); code != 0) {
        return FaultOfSqliteCode(code);
    }
    const int version = query.next() ? query.value(0).toInt() : 0;
    if (version > kSchemaVersion) {
        if (tell_) tell_(FaultMessage(StoreFault::Newer, Location()));
        return StoreFault::Newer;
    }
    // A damaged file often passes the header check: look at every page's structure once.
    if (version > 0) {
        if (const int code = Run(query, QStringLiteral("PRAGMA quick_check")); code != 0) {
            return FaultOfSqliteCode(code);
        }
        if (query.next() && query.value(0).toString() != QStringLiteral("ok")) {
            return StoreFault::Damaged;
        }
    }
    query.finish();
    for (const QString& pragma :
         {QStringLiteral("PRAGMA busy_timeout=%1").arg(options_.busyTimeoutMs),
          QStringLiteral("PRAGMA journal_mode=WAL"), QStringLiteral("PRAGMA synchronous=NORMAL")}) {
        if (const int code = Run(query, pragma); code != 0) return FaultOfSqliteCode(code);
    }
    query.finish();
    return version < kSchemaVersion ? Migrate(version) : StoreFault::None;
}

StoreFault UsageStore::Migrate(int from) {
    QSqlQuery query(db_);
    if (const int code = Run(query, QStringLiteral("BEGIN IMMEDIATE")); code != 0) {
        return FaultOfSqliteCode(code);
    }
    for (int version = from; version < kSchemaVersion; ++version) {
        for (const char* statement : kMigrations[version]) {
            if (!statement) continue;
            if (const int code = Run(query, QString::fromLatin1(statement)); code != 0) {
                query.exec(QStringLiteral("ROLLBACK"));
                return FaultOfSqliteCode(code);
            }
        }
    }
    int code = Run(query, QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion));
    if (code == 0) code = Run(query, QStringLiteral("COMMIT"));
    if (code != 0) {
        query.exec(QStringLiteral("ROLLBACK"));
        return FaultOfSqliteCode(code);
    }
    return StoreFault::None;
}

void UsageStore::MoveDamagedAside() {
    CloseConnection();
    const std::string base = options_.file.string() + ".damaged-" + StampText(clock_.Now());
    fs::path aside = base;
    std::error_code ec;
    for (int n = 2; fs::exists(aside, ec); ++n) aside = base + "-" + std::to_string(n);
    fs::rename(options_.file, aside, ec);
    if (ec) {
        if (tell_) {
            tell_("The data usage database " + Location() +
                  " is damaged and could not be moved aside (" + ec.message() +
                  "). Data usage is not recorded.");
        }
        return;
    }
    // The journal belongs to the damaged file: it goes with it, never into the new one.
    for (const char* suffix : {"-wal", "-shm"}) {
        const fs::path side = options_.file.string() + suffix;
        if (fs::exists(side, ec)) fs::rename(side, aside.string() + suffix, ec);
    }
    CreateEmptyFile(options_.file);
    fs::permissions(options_.file, fs::perms::owner_read | fs::perms::owner_write, ec);
    if (tell_) {
        tell_("The data usage database " + Location() + " was damaged. It was kept as " +
              aside.string() + " and a new database was started.");
    }
}

StoreFault UsageStore::Recover(StoreFault fault) {
    if (fault == StoreFault::Damaged && options_.mode == Mode::Record) {
        MoveDamagedAside();
        Open();
    }
    return fault;
}

StoreFault UsageStore::Add(const std::vector<UsageRow>& rows, const std::vector<AppUsageRow>& apps,
                           const StoredCounters& counters) {
    if (options_.mode != Mode::Record) return StoreFault::ReadOnly;
    if (state_ == State::Unwritable) Open();
    if (state_ == State::Newer) return StoreFault::Newer;
    if (state_ != State::Open) return StoreFault::ReadOnly;

    QSqlQuery query(db_);
    if (const int code = Run(query, QStringLiteral("BEGIN IMMEDIATE")); code != 0) {
        return Recover(FaultOfSqliteCode(code));
    }
    const auto fail = [&](const QSqlQuery& failed) {
        const StoreFault fault = FaultOfSqliteCode(CodeOf(failed.lastError()));
        QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
        return Recover(fault == StoreFault::None ? StoreFault::Other : fault);
    };
    QSqlQuery add(db_);
    add.prepare(QStringLiteral(
        "INSERT INTO usage_hours(hour, interface, received, sent) VALUES(?, ?, ?, ?) "
        "ON CONFLICT(hour, interface) DO UPDATE SET received = received + excluded.received, "
        "sent = sent + excluded.sent"));
    QSqlQuery addName(db_);
    addName.prepare(QStringLiteral("INSERT OR IGNORE INTO interfaces(name) VALUES(?)"));
    std::string lastName;
    for (const UsageRow& row : rows) {
        if (row.interfaceName != lastName) {
            lastName = row.interfaceName;
            addName.bindValue(0, QString::fromStdString(row.interfaceName));
            if (!addName.exec()) return fail(addName);
        }
        add.bindValue(0, static_cast<qlonglong>(row.hour));
        add.bindValue(1, QString::fromStdString(row.interfaceName));
        add.bindValue(2, static_cast<qlonglong>(row.received));
        add.bindValue(3, static_cast<qlonglong>(row.sent));
        if (!add.exec()) return fail(add);
    }
    if (!apps.empty()) {
        QSqlQuery addApp(db_);
        addApp.prepare(QStringLiteral(
            "INSERT INTO app_hours(hour, executable, name, received, sent) VALUES(?, ?, ?, ?, ?) "
            "ON CONFLICT(hour, executable) DO UPDATE SET name = excluded.name, "
            "received = received + excluded.received, sent = sent + excluded.sent"));
        for (const AppUsageRow& app : apps) {
            addApp.bindValue(0, static_cast<qlonglong>(app.hour));
            addApp.bindValue(1, QString::fromStdString(app.executable));
            addApp.bindValue(2, QString::fromStdString(app.name));
            addApp.bindValue(3, static_cast<qlonglong>(app.received));
            addApp.bindValue(4, static_cast<qlonglong>(app.sent));
            if (!addApp.exec()) return fail(addApp);
        }
    }
    if (!query.exec(QStringLiteral("DELETE FROM last_counters"))) return fail(query);
    QSqlQuery counter(db_);
    counter.prepare(
        QStringLiteral("INSERT INTO last_counters(interface, received, sent) VALUES(?, ?, ?)"));
    for (const auto& [name, pair] : counters.counters) {
        counter.bindValue(0, QString::fromStdString(name));
        counter.bindValue(1, static_cast<qlonglong>(pair.received));
        counter.bindValue(2, static_cast<qlonglong>(pair.sent));
        if (!counter.exec()) return fail(counter);
    }
    QSqlQuery boot(db_);
    boot.prepare(QStringLiteral("INSERT OR REPLACE INTO state(key, value) VALUES('boot_id', ?)"));
    boot.bindValue(0, QString::fromStdString(counters.bootId));
    if (!boot.exec()) return fail(boot);
    if (!query.exec(QStringLiteral("COMMIT"))) return fail(query);
    return StoreFault::None;
}

std::optional<StoredCounters> UsageStore::LastCounters() {
    if (options_.mode == Mode::Record && state_ == State::Unwritable) Open();
    if (state_ == State::Missing) return StoredCounters{};
    if (state_ != State::Open && state_ != State::Newer) return std::nullopt;
    StoredCounters stored;
    QSqlQuery query(db_);
    if (!query.exec(QStringLiteral("SELECT value FROM state WHERE key = 'boot_id'"))) {
        return std::nullopt;
    }
    if (query.next()) stored.bootId = query.value(0).toString().toStdString();
    if (!query.exec(QStringLiteral("SELECT interface, received, sent FROM last_counters"))) {
        return std::nullopt;
    }
    while (query.next()) {
        stored.counters[query.value(0).toString().toStdString()] = {
            static_cast<std::uint64_t>(query.value(1).toLongLong()),
            static_cast<std::uint64_t>(query.value(2).toLongLong())};
    }
    return stored;
}

std::vector<UsageRow> UsageStore::Rows(HourRange range) {
    std::vector<UsageRow> rows;
    if (state_ != State::Open && state_ != State::Newer) return rows;
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT hour, interface, received, sent FROM usage_hours "
                       "WHERE hour >= ? AND hour < ? ORDER BY hour"));
    query.bindValue(0, static_cast<qlonglong>(range.from));
    query.bindValue(1, static_cast<qlonglong>(range.to));
    if (!query.exec()) return rows;
    while (query.next()) {
        rows.push_back({query.value(1).toString().toStdString(), query.value(0).toLongLong(),
                        static_cast<std::uint64_t>(query.value(2).toLongLong()),
                        static_cast<std::uint64_t>(query.value(3).toLongLong())});
    }
    return rows;
}

namespace {

std::vector<AppUsageRow> AppRowsOf(QSqlDatabase& db, const QString& statement, HourRange range) {
    std::vector<AppUsageRow> rows;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(statement);
    query.bindValue(0, static_cast<qlonglong>(range.from));
    query.bindValue(1, static_cast<qlonglong>(range.to));
    // A database from before applications were counted has none.
    if (!query.exec()) return rows;
    while (query.next()) {
        rows.push_back({query.value(1).toString().toStdString(),
                        query.value(2).toString().toStdString(), query.value(0).toLongLong(),
                        static_cast<std::uint64_t>(query.value(3).toLongLong()),
                        static_cast<std::uint64_t>(query.value(4).toLongLong())});
    }
    return rows;
}

}  // namespace

std::vector<AppUsageRow> UsageStore::AppRows(HourRange range) {
    if (state_ != State::Open && state_ != State::Newer) return {};
    return AppRowsOf(db_,
                     QStringLiteral("SELECT hour, executable, name, received, sent FROM app_hours "
                                    "WHERE hour >= ? AND hour < ? ORDER BY hour, executable"),
                     range);
}

std::vector<AppUsageRow> UsageStore::AppSums(HourRange range) {
    if (state_ != State::Open && state_ != State::Newer) return {};
    // With max() as the only aggregate beside the sums, SQLite takes `name` from the row
    // that holds the maximum: the latest hour's.
    return AppRowsOf(db_,
                     QStringLiteral("SELECT max(hour), executable, name, sum(received), sum(sent) "
                                    "FROM app_hours WHERE hour >= ? AND hour < ? "
                                    "GROUP BY executable ORDER BY executable"),
                     range);
}

std::vector<std::string> UsageStore::InterfaceNames() {
    std::vector<std::string> names;
    if (state_ != State::Open && state_ != State::Newer) return names;
    QSqlQuery query(db_);
    // A reader of a database from before the names were kept finds them the slow way.
    if (!query.exec(QStringLiteral("SELECT name FROM interfaces ORDER BY name")) &&
        !query.exec(
            QStringLiteral("SELECT DISTINCT interface FROM usage_hours ORDER BY interface")))
        return names;
    while (query.next()) names.push_back(query.value(0).toString().toStdString());
    return names;
}

std::map<std::string, std::string> UsageStore::Aliases() {
    std::map<std::string, std::string> aliases;
    if (state_ != State::Open && state_ != State::Newer) return aliases;
    QSqlQuery query(db_);
    if (!query.exec(QStringLiteral("SELECT key, value FROM state WHERE key LIKE 'alias:%'"))) {
        return aliases;
    }
    while (query.next()) {
        aliases[query.value(0).toString().mid(6).toStdString()] =
            query.value(1).toString().toStdString();
    }
    return aliases;
}

StoreFault UsageStore::SaveAliases(const std::map<std::string, std::string>& aliases) {
    if (options_.mode != Mode::Record || state_ != State::Open) return StoreFault::ReadOnly;
    QSqlQuery query(db_);
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO state(key, value) VALUES(?, ?)"));
    for (const auto& [name, alias] : aliases) {
        query.bindValue(0, QStringLiteral("alias:") + QString::fromStdString(name));
        query.bindValue(1, QString::fromStdString(alias));
        if (!query.exec()) return FaultOfSqliteCode(CodeOf(query.lastError()));
    }
    return StoreFault::None;
}

AlertsGiven UsageStore::Alerts(const std::string& period) {
    AlertsGiven given;
    if (state_ != State::Open && state_ != State::Newer) return given;
    QSqlQuery query(db_);
    query.prepare(QStringLiteral("SELECT near, reached FROM alerts WHERE period = ?"));
    query.bindValue(0, QString::fromStdString(period));
    if (query.exec() && query.next()) {
        given.near = query.value(0).toInt() != 0;
        given.reached = query.value(1).toInt() != 0;
    }
    return given;
}

StoreFault UsageStore::SaveAlerts(const std::string& period, const AlertsGiven& given) {
    if (options_.mode != Mode::Record || state_ != State::Open) return StoreFault::ReadOnly;
    QSqlQuery query(db_);
    query.prepare(
        QStringLiteral("INSERT OR REPLACE INTO alerts(period, near, reached) VALUES(?, ?, ?)"));
    query.bindValue(0, QString::fromStdString(period));
    query.bindValue(1, given.near ? 1 : 0);
    query.bindValue(2, given.reached ? 1 : 0);
    return query.exec() ? StoreFault::None : FaultOfSqliteCode(CodeOf(query.lastError()));
}

std::optional<UsageHour> UsageStore::FirstHour() {
    if (state_ != State::Open && state_ != State::Newer) return std::nullopt;
    QSqlQuery query(db_);
    if (!query.exec(QStringLiteral("SELECT min(hour) FROM usage_hours")) || !query.next() ||
        query.value(0).isNull())
        return std::nullopt;
    return query.value(0).toLongLong();
}

std::map<std::string, CounterPair> UsageStore::Totals() {
    std::map<std::string, CounterPair> totals;
    if (state_ != State::Open && state_ != State::Newer) return totals;
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(
            "SELECT interface, sum(received), sum(sent) FROM usage_hours GROUP BY interface")))
        return totals;
    while (query.next()) {
        totals[query.value(0).toString().toStdString()] = {
            static_cast<std::uint64_t>(query.value(1).toLongLong()),
            static_cast<std::uint64_t>(query.value(2).toLongLong())};
    }
    return totals;
}

}  // namespace bytelora
