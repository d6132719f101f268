// The tables of the usage database, and the steps that bring an older file up to them.
#include <QSqlQuery>
#include <QVariant>

#include <iterator>

#include "usage/UsageStore.h"
#include "usage/UsageStoreParts.h"

namespace bytelora {

using namespace usage_store;

namespace {

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

}  // namespace

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

}  // namespace bytelora
