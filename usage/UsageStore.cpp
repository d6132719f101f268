// Opening and closing the usage database, and the state that decides what may be done
// with it. The schema, the files, the errors and the queries each have a file of their
// own (UsageStoreSchema, UsageStoreFiles, UsageStoreErrors, UsageStoreQueries).
#include "usage/UsageStore.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

#include <atomic>
#include <system_error>

#include "usage/UsageStoreParts.h"

namespace bytelora {

namespace fs = std::filesystem;
using namespace usage_store;

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

bool UsageStore::Readable() const {
    return state_ == State::Open || state_ == State::Newer;
}

StoreFault UsageStore::WriteRefusal() const {
    if (options_.mode != Mode::Record) return StoreFault::ReadOnly;
    if (state_ == State::Newer) return StoreFault::Newer;
    return state_ == State::Open ? StoreFault::None : StoreFault::ReadOnly;
}

void UsageStore::RetryUnwritable() {
    if (options_.mode == Mode::Record && state_ == State::Unwritable) Open();
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
    if (!fs::exists(options_.file, ec)) CreatePrivateFile(options_.file);
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
    if (!read && FaultOf(query) == StoreFault::ReadOnly) {
        if (HasUnappliedLog(options_.file)) {
            state_ = State::Unreadable;
            problem_ = UnappliedLogProblem(options_.file);
            CloseConnection();
            return;
        }
        read = readable(true);
    }
    if (!read) {
        // A database without our tables (or no database at all) has nothing to show;
        // an empty but valid file has no tables yet either.
        const StoreFault fault = FaultOf(query);
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

StoreFault UsageStore::Recover(StoreFault fault) {
    if (fault == StoreFault::Damaged && options_.mode == Mode::Record) {
        MoveDamagedAside();
        Open();
    }
    return fault;
}

}  // namespace bytelora
