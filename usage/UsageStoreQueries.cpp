// What the recorder and the views read and write: hours, counters, names, alerts.
#include <QSqlQuery>
#include <QVariant>

#include "usage/UsageStore.h"
#include "usage/UsageStoreParts.h"

namespace bytelora {

using namespace usage_store;

StoreFault UsageStore::Add(const std::vector<UsageRow>& rows, const std::vector<AppUsageRow>& apps,
                           const StoredCounters& counters) {
    RetryUnwritable();
    if (const StoreFault refused = WriteRefusal(); refused != StoreFault::None) return refused;

    QSqlQuery query(db_);
    if (const int code = Run(query, QStringLiteral("BEGIN IMMEDIATE")); code != 0) {
        return Recover(FaultOfSqliteCode(code));
    }
    const auto fail = [&](const QSqlQuery& failed) {
        const StoreFault fault = FaultOf(failed);
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
    RetryUnwritable();
    if (state_ == State::Missing) return StoredCounters{};
    if (!Readable()) return std::nullopt;
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
    if (!Readable()) return rows;
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
    if (!Readable()) return {};
    return AppRowsOf(db_,
                     QStringLiteral("SELECT hour, executable, name, received, sent FROM app_hours "
                                    "WHERE hour >= ? AND hour < ? ORDER BY hour, executable"),
                     range);
}

std::vector<AppUsageRow> UsageStore::AppSums(HourRange range) {
    if (!Readable()) return {};
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
    if (!Readable()) return names;
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
    if (!Readable()) return aliases;
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
    if (const StoreFault refused = WriteRefusal(); refused != StoreFault::None) return refused;
    QSqlQuery query(db_);
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO state(key, value) VALUES(?, ?)"));
    for (const auto& [name, alias] : aliases) {
        query.bindValue(0, QStringLiteral("alias:") + QString::fromStdString(name));
        query.bindValue(1, QString::fromStdString(alias));
        if (!query.exec()) return FaultOf(query);
    }
    return StoreFault::None;
}

AlertsGiven UsageStore::Alerts(const std::string& period) {
    AlertsGiven given;
    if (!Readable()) return given;
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
    if (const StoreFault refused = WriteRefusal(); refused != StoreFault::None) return refused;
    QSqlQuery query(db_);
    query.prepare(
        QStringLiteral("INSERT OR REPLACE INTO alerts(period, near, reached) VALUES(?, ?, ?)"));
    query.bindValue(0, QString::fromStdString(period));
    query.bindValue(1, given.near ? 1 : 0);
    query.bindValue(2, given.reached ? 1 : 0);
    return query.exec() ? StoreFault::None : FaultOf(query);
}

std::optional<UsageHour> UsageStore::FirstHour() {
    if (!Readable()) return std::nullopt;
    QSqlQuery query(db_);
    if (!query.exec(QStringLiteral("SELECT min(hour) FROM usage_hours")) || !query.next() ||
        query.value(0).isNull())
        return std::nullopt;
    return query.value(0).toLongLong();
}

std::map<std::string, CounterPair> UsageStore::Totals() {
    std::map<std::string, CounterPair> totals;
    if (!Readable()) return totals;
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
