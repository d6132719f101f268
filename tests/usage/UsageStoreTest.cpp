#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <fstream>

#include "support/FakeClock.h"
#include "support/TempDir.h"
#include "support/UsageZones.h"
#include "usage/UsageSession.h"

namespace bytelora {
namespace {

namespace fs = std::filesystem;
#ifdef _WIN32
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif
using namespace std::chrono;
using testing::FakeClock;
using testing::TempDir;

struct StoreRig {
    TempDir dir;
    FakeClock clock;
    std::vector<std::string> told;
    std::uint64_t counter = 0;

    fs::path Database() const { return dir / "Bytelora" / "usage.sqlite"; }
    UsageEnvironment Environment(int busyTimeoutMs = 5000) const {
        return {Database(), "boot-1", testing::CentralEuropeanZone(), busyTimeoutMs};
    }
    std::unique_ptr<UsageSession> Session(int busyTimeoutMs = 5000) {
        return std::make_unique<UsageSession>(
            Environment(busyTimeoutMs), clock,
            [this](const std::string& text) { told.push_back(text); });
    }
    std::vector<InterfaceChange> Read(std::uint64_t bytes) {
        counter += bytes;
        return {{"eth0", bytes, bytes * 2, counter, counter * 2}};
    }
    std::uint64_t StoredReceived() {
        UsageStore store({Database(), UsageStore::Mode::Read}, clock, {});
        std::uint64_t total = 0;
        for (const auto& row : store.Rows({INT64_MIN / 2, INT64_MAX / 2})) total += row.received;
        return total;
    }
    QString Pragma(QSqlDatabase& db, const QString& name) {
        QSqlQuery query(db);
        query.exec(QStringLiteral("PRAGMA ") + name);
        return query.next() ? query.value(0).toString() : QString();
    }
    // Another program's connection to the same database, opened.
    QSqlDatabase OtherProgram(const QString& name) const {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        other.setDatabaseName(QString::fromStdString(Database().string()));
        EXPECT_TRUE(other.open());
        return other;
    }
    void WriteFile(const fs::path& path, const std::string& bytes) {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
};

TEST(UsageStore, StoresHoursPrivatelyInWalModeAndReadsThemBack) {
    StoreRig rig;
    auto session = rig.Session();
    ASSERT_TRUE(session->Recording());
    session->Record(rig.Read(0));
    rig.clock.Advance(minutes(30));
    session->Record(rig.Read(1000));
    rig.clock.Advance(minutes(31));
    session->Record(rig.Read(500));  // a minute has passed: written
    EXPECT_EQ(rig.StoredReceived(), 1500u);
    session->Record(rig.Read(20));  // pending, but the views show it
    const auto rows = session->Rows({0, HourOf(rig.clock.Now()) + 1});
    std::uint64_t shown = 0;
    for (const auto& row : rows) shown += row.received;
    EXPECT_EQ(shown, 1520u);
    EXPECT_EQ(session->InterfaceNames(), std::vector<std::string>{"eth0"});
    session.reset();  // the end of the program writes the rest
    EXPECT_EQ(rig.StoredReceived(), 1520u);

    UsageStore store({rig.Database(), UsageStore::Mode::Record}, rig.clock, {});
    EXPECT_EQ(rig.Pragma(store.Connection(), "journal_mode"), "wal");
    EXPECT_EQ(rig.Pragma(store.Connection(), "synchronous"), "1");
    EXPECT_EQ(rig.Pragma(store.Connection(), "user_version").toInt(), UsageStore::kSchemaVersion);
    EXPECT_GT(rig.Pragma(store.Connection(), "busy_timeout").toInt(), 0);
    // Windows has no POSIX modes: the per-user local data folder is private there.
    if constexpr (!kWindows) {
        EXPECT_EQ(fs::status(rig.Database()).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(fs::status(rig.Database().parent_path()).permissions() & fs::perms::all,
                  fs::perms::owner_all);
    }
    EXPECT_TRUE(rig.told.empty());
}

TEST(UsageStore, MovesADamagedFileAsideAndStartsANewOne) {
    StoreRig rig;
    const std::string garbage(8192, 'x');
    rig.WriteFile(rig.Database(), garbage);
    rig.WriteFile(rig.Database().string() + "-wal", "old journal");
    {
        UsageStore reader({rig.Database(), UsageStore::Mode::Read}, rig.clock, {});
        EXPECT_EQ(reader.GetState(), UsageStore::State::Damaged);
    }
    auto session = rig.Session();
    EXPECT_TRUE(session->Recording());
    ASSERT_EQ(rig.told.size(), 1u);
    fs::path aside;
    for (const auto& entry : fs::directory_iterator(rig.Database().parent_path())) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("usage.sqlite.damaged-", 0) == 0 && name.find("-wal") == std::string::npos)
            aside = entry.path();
    }
    ASSERT_FALSE(aside.empty());
    EXPECT_NE(rig.told[0].find(rig.Database().string()), std::string::npos);
    EXPECT_NE(rig.told[0].find(aside.string()), std::string::npos);
    std::ifstream kept(aside, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), garbage);
    EXPECT_TRUE(fs::exists(aside.string() + "-wal"));

    session->Record(rig.Read(0));
    session->Record(rig.Read(42));
    session->Flush();
    EXPECT_EQ(rig.StoredReceived(), 42u);
}

// The header check lets this one through: the schema check finds it, and the recorder
// then moves it aside as above.
TEST(UsageStore, ADatabaseDamagedBehindASoundHeaderIsMovedAsideToo) {
    StoreRig rig;
    {
        auto session = rig.Session();
        session->Record(rig.Read(0));
        session->Record(rig.Read(64));
    }
    rig.told.clear();
    ASSERT_GT(fs::file_size(rig.Database()), 8192u);
    {
        std::fstream file(rig.Database(), std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(4096);  // the second page: a table's root
        file << std::string(4096, 'x');
    }
    const std::uintmax_t damagedSize = fs::file_size(rig.Database());

    UsageStore store({rig.Database(), UsageStore::Mode::Record}, rig.clock,
                     [&](const std::string& text) { rig.told.push_back(text); });
    EXPECT_EQ(store.GetState(), UsageStore::State::Open);
    fs::path aside;
    for (const auto& entry : fs::directory_iterator(rig.Database().parent_path())) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("usage.sqlite.damaged-", 0) == 0) aside = entry.path();
    }
    ASSERT_FALSE(aside.empty());
    EXPECT_EQ(fs::file_size(aside), damagedSize);
    ASSERT_EQ(rig.told.size(), 1u);
    EXPECT_EQ(rig.told[0], "The data usage database " + rig.Database().string() +
                               " was damaged. It was kept as " + aside.string() +
                               " and a new database was started.");
    EXPECT_EQ(store.Rows({INT64_MIN / 2, INT64_MAX / 2}).size(), 0u);
    EXPECT_EQ(store.Add({{"eth0", 5, 7, 9}}, {}, {}), StoreFault::None);
    EXPECT_EQ(store.Rows({5, 6}).size(), 1u);
}

TEST(UsageStore, ANewerDatabaseIsOnlyRead) {
    StoreRig rig;
    {
        auto session = rig.Session();
        session->Record(rig.Read(0));
        session->Record(rig.Read(64));
    }
    {
        UsageStore store({rig.Database(), UsageStore::Mode::Record}, rig.clock, {});
        QSqlQuery(store.Connection()).exec(QStringLiteral("PRAGMA user_version=7"));
    }
    auto session = rig.Session();
    EXPECT_FALSE(session->Recording());
    ASSERT_EQ(rig.told.size(), 1u);
    EXPECT_EQ(rig.told[0], "The data usage database " + rig.Database().string() +
                               " comes from a newer Bytelora. It is shown but not changed; data "
                               "usage is not recorded.");
    // That is the one reason given: no other program records instead.
    EXPECT_EQ(session->NotRecordingNote(), "");
    session->Record(rig.Read(1000));
    rig.clock.Advance(minutes(2));
    session->Record(rig.Read(1000));
    session->Flush();
    EXPECT_EQ(rig.told.size(), 1u);
    EXPECT_EQ(rig.StoredReceived(), 64u);
    std::uint64_t shown = 0;
    for (const auto& row : session->Rows({0, HourOf(rig.clock.Now()) + 1})) shown += row.received;
    EXPECT_EQ(shown, 64u);
}

TEST(UsageStore, LockedAndFullDatabasesKeepTheBytesUntilTheyCanBeWritten) {
    StoreRig rig;
    auto session = rig.Session(50);
    session->Record(rig.Read(0));
    session->Record(rig.Read(100));
    session->Flush();

    // Another program holds the write lock.
    {
        QSqlDatabase other = rig.OtherProgram(QStringLiteral("other"));
        QSqlQuery hold(other);
        ASSERT_TRUE(hold.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        session->Record(rig.Read(200));
        session->Flush();
        session->Record(rig.Read(300));
        session->Flush();
        hold.exec(QStringLiteral("ROLLBACK"));
        hold.finish();
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    ASSERT_EQ(rig.told.size(), 1u);
    EXPECT_NE(rig.told[0].find("locked"), std::string::npos);
    session->Flush();
    EXPECT_EQ(rig.StoredReceived(), 600u);

    // The disk fills: the database may not grow.
    { UsageStore probe({rig.Database(), UsageStore::Mode::Read}, rig.clock, {}); }
    std::vector<InterfaceChange> many;
    for (int i = 0; i < 2000; ++i) {
        many.push_back({"if" + std::to_string(i) + std::string(200, 'n'), 1, 1, 1, 1});
    }
    UsageStore full({rig.Database(), UsageStore::Mode::Record}, rig.clock, {});
    QSqlQuery(full.Connection()).exec(QStringLiteral("PRAGMA max_page_count=8"));
    std::vector<UsageRow> rows;
    for (const auto& change : many) rows.push_back({change.name, 5, 1, 1});
    EXPECT_EQ(full.Add(rows, {}, {}), StoreFault::Full);
    EXPECT_EQ(full.Rows({5, 6}).size(), 0u);  // nothing half-written
}

TEST(UsageStore, TrafficBeforeADatabaseThatOpensLateIsKept) {
    StoreRig rig;
    {
        auto first = rig.Session();
        first->Record(rig.Read(0));
        first->Record(rig.Read(100));
    }
    rig.counter += 81000;  // while nothing records
    {
        // Another program holds the file exclusively while this one starts: it cannot
        // even read the counters it would compare with.
        QSqlDatabase other = rig.OtherProgram(QStringLiteral("holder"));
        QSqlQuery hold(other);
        ASSERT_TRUE(hold.exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE")));
        ASSERT_TRUE(hold.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        ASSERT_TRUE(hold.exec(QStringLiteral("SELECT count(*) FROM usage_hours")));
        hold.finish();
        auto late = rig.Session(20);
        ASSERT_TRUE(late->Recording());
        late->Record(rig.Read(0));
        rig.clock.Advance(seconds(61));
        late->Record(rig.Read(500));
        EXPECT_EQ(rig.told.size(), 1u);
        hold.exec(QStringLiteral("COMMIT"));
        hold.finish();
        other.close();
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
        rig.clock.Advance(seconds(61));
        late->Record(rig.Read(500));
        EXPECT_EQ(late->FlushAtExit(), "");
    }
    EXPECT_EQ(rig.StoredReceived(), 100u + 81000u + 1000u);
}

TEST(UsageStore, OnlyOneRecorderAddsAndTheOtherTakesOverWhenItEnds) {
    StoreRig rig;
    auto first = rig.Session();
    auto second = rig.Session();
    EXPECT_TRUE(first->Recording());
    EXPECT_EQ(first->NotRecordingNote(), "");
    EXPECT_FALSE(second->Recording());
    EXPECT_EQ(second->NotRecordingNote(),
              "Another Bytelora records the data usage; this one does not.");
    // Both see the same traffic; only the first adds it.
    for (int i = 0; i < 3; ++i) {
        const auto read = rig.Read(i == 0 ? 0 : 100);
        first->Record(read);
        second->Record(read);
    }
    first.reset();
    EXPECT_EQ(rig.StoredReceived(), 200u);
    // After a minute the second takes the lock and goes on from the counters left.
    rig.clock.Advance(seconds(61));
    second->Record(rig.Read(50));
    EXPECT_TRUE(second->Recording());
    second->Flush();
    EXPECT_EQ(rig.StoredReceived(), 250u);
}

TEST(UsageStore, AnOlderDatabaseIsUpgradedKeepingItsRows) {
    StoreRig rig;
    std::filesystem::create_directories(rig.Database().parent_path());
    {
        // The first schema, as the first version wrote it.
        QSqlDatabase old =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v1"));
        old.setDatabaseName(QString::fromStdString(rig.Database().string()));
        ASSERT_TRUE(old.open());
        QSqlQuery query(old);
        for (const char* statement :
             {"CREATE TABLE usage_hours(hour INTEGER NOT NULL, interface TEXT NOT NULL, received "
              "INTEGER NOT NULL DEFAULT 0, sent INTEGER NOT NULL DEFAULT 0, PRIMARY KEY(hour, "
              "interface)) WITHOUT ROWID",
              "CREATE TABLE last_counters(interface TEXT PRIMARY KEY NOT NULL, received INTEGER "
              "NOT NULL, sent INTEGER NOT NULL) WITHOUT ROWID",
              "CREATE TABLE state(key TEXT PRIMARY KEY NOT NULL, value TEXT NOT NULL) WITHOUT "
              "ROWID",
              "CREATE TABLE alerts(period TEXT PRIMARY KEY NOT NULL, near INTEGER NOT NULL, "
              "reached INTEGER NOT NULL) WITHOUT ROWID",
              "INSERT INTO usage_hours VALUES(10, 'wlan0', 5, 6), (11, 'eth0', 7, 8)",
              "PRAGMA user_version=1"}) {
            ASSERT_TRUE(query.exec(QString::fromLatin1(statement))) << statement;
        }
        query.finish();
        old.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("v1"));
    {
        UsageStore reader({rig.Database(), UsageStore::Mode::Read}, rig.clock, {});
        EXPECT_EQ(reader.InterfaceNames(), (std::vector<std::string>{"eth0", "wlan0"}));
    }
    UsageStore store({rig.Database(), UsageStore::Mode::Record}, rig.clock, {});
    EXPECT_EQ(rig.Pragma(store.Connection(), "user_version").toInt(), UsageStore::kSchemaVersion);
    EXPECT_EQ(store.InterfaceNames(), (std::vector<std::string>{"eth0", "wlan0"}));
    EXPECT_EQ(store.Add({{"ppp0", 12, 1, 1}}, {}, {}), StoreFault::None);
    EXPECT_EQ(store.InterfaceNames(), (std::vector<std::string>{"eth0", "ppp0", "wlan0"}));
    EXPECT_EQ(rig.StoredReceived(), 13u);
}

TEST(UsageStore, ASecondVersionDatabaseGainsApplicationsKeepingEveryByte) {
    StoreRig rig;
    std::filesystem::create_directories(rig.Database().parent_path());
    const std::int64_t big = std::int64_t{1} << 53;  // beyond what a double holds exactly
    {
        QSqlDatabase old =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v2"));
        old.setDatabaseName(QString::fromStdString(rig.Database().string()));
        ASSERT_TRUE(old.open());
        QSqlQuery query(old);
        for (const QString& statement :
             {QStringLiteral("CREATE TABLE usage_hours(hour INTEGER NOT NULL, interface TEXT NOT "
                             "NULL, received INTEGER NOT NULL DEFAULT 0, sent INTEGER NOT NULL "
                             "DEFAULT 0, PRIMARY KEY(hour, interface)) WITHOUT ROWID"),
              QStringLiteral("CREATE TABLE last_counters(interface TEXT PRIMARY KEY NOT NULL, "
                             "received INTEGER NOT NULL, sent INTEGER NOT NULL) WITHOUT ROWID"),
              QStringLiteral("CREATE TABLE state(key TEXT PRIMARY KEY NOT NULL, value TEXT NOT "
                             "NULL) WITHOUT ROWID"),
              QStringLiteral("CREATE TABLE alerts(period TEXT PRIMARY KEY NOT NULL, near INTEGER "
                             "NOT NULL, reached INTEGER NOT NULL) WITHOUT ROWID"),
              QStringLiteral(
                  "CREATE TABLE interfaces(name TEXT PRIMARY KEY NOT NULL) WITHOUT ROWID"),
              QStringLiteral(
                  "INSERT INTO usage_hours VALUES(10, 'wlan0', %1, 6), (11, 'eth0', 7, 8)")
                  .arg(big + 1),
              QStringLiteral("INSERT INTO interfaces VALUES('eth0'), ('wlan0')"),
              QStringLiteral("INSERT INTO last_counters VALUES('eth0', 100, 200)"),
              QStringLiteral(
                  "INSERT INTO state VALUES('boot_id', 'boot-1'), ('alias:eth0', 'Home')"),
              QStringLiteral("INSERT INTO alerts VALUES('2024-03-01', 1, 0)"),
              QStringLiteral("PRAGMA user_version=2")}) {
            ASSERT_TRUE(query.exec(statement)) << statement.toStdString();
        }
        query.finish();
        old.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("v2"));
    {
        // A reader leaves the file as it is and finds no applications in it.
        UsageStore reader({rig.Database(), UsageStore::Mode::Read}, rig.clock, {});
        EXPECT_TRUE(reader.AppRows({0, 100}).empty());
        EXPECT_EQ(rig.Pragma(reader.Connection(), "user_version").toInt(), 2);
    }
    UsageStore store({rig.Database(), UsageStore::Mode::Record}, rig.clock, {});
    EXPECT_EQ(rig.Pragma(store.Connection(), "user_version").toInt(), 3);
    const auto rows = store.Rows({0, 100});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].received, static_cast<std::uint64_t>(big + 1));
    EXPECT_EQ(rows[1].sent, 8u);
    EXPECT_EQ(store.Aliases(), (std::map<std::string, std::string>{{"eth0", "Home"}}));
    EXPECT_TRUE(store.Alerts("2024-03-01").near);
    const auto stored = store.LastCounters();
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->bootId, "boot-1");
    EXPECT_EQ(stored->counters.at("eth0"), (CounterPair{100, 200}));

    // Applications' hours add up per executable; the name is the latest one written.
    ASSERT_EQ(
        store.Add({}, {{"/usr/bin/curl", "curl", 12, 5, 1}, {"/opt/x/x", "X", 12, 1, 1}}, *stored),
        StoreFault::None);
    ASSERT_EQ(store.Add({}, {{"/usr/bin/curl", "Curl", 12, 10, 2}}, *stored), StoreFault::None);
    EXPECT_EQ(store.AppRows({12, 13}),
              (std::vector<AppUsageRow>{{"/opt/x/x", "X", 12, 1, 1},
                                        {"/usr/bin/curl", "Curl", 12, 15, 3}}));
    EXPECT_TRUE(store.AppRows({13, 20}).empty());
    // Summed in the database: the latest hour's name, whatever order the names came in.
    ASSERT_EQ(store.Add({}, {{"/usr/bin/curl", "curl 8", 14, 1, 0}, {"/opt/x/x", "X", 11, 2, 0}},
                        *stored),
              StoreFault::None);
    EXPECT_EQ(store.AppSums({0, 100}),
              (std::vector<AppUsageRow>{{"/opt/x/x", "X", 12, 3, 1},
                                        {"/usr/bin/curl", "curl 8", 14, 16, 3}}));
}

TEST(UsageStore, TodaysApplicationBytesAddTheStoredThePendingAndTheCounterSinceItsLastLook) {
    StoreRig rig;
    // 22:30 UTC on 4 March is 23:30 in Central Europe: the local day began at 23:00 UTC
    // on the 3rd.
    rig.clock.SetNow(testing::Utc(2024, 3, 4, 22) + minutes(30));
    {
        UsageStore store({rig.Database(), UsageStore::Mode::Record}, rig.clock, {});
        ASSERT_EQ(
            store.Add({},
                      {{"/usr/bin/curl", "curl", HourOf(testing::Utc(2024, 3, 3, 22)), 1, 1},
                       {"/usr/bin/curl", "curl", HourOf(testing::Utc(2024, 3, 3, 23)), 10, 20}},
                      {}),
            StoreFault::None);
    }
    AppCounterRead counter{5, {{"/usr/bin/curl", {"curl", {1000, 100}}}}, {}};
    auto session = rig.Session();
    session->CountApplications([&]() -> std::optional<AppCounterRead> { return counter; });
    session->Record(rig.Read(0));  // the first look: the base
    counter.byExecutable["/usr/bin/curl"].bytes = {1300, 130};
    counter.byExecutable["/bin/ping"] = {"ping", {4, 4}};
    rig.clock.Advance(seconds(60));
    session->Record(rig.Read(1));  // written: 300 and 30 more, and ping
    counter.byExecutable["/usr/bin/curl"].bytes = {1350, 140};

    using Bytes = std::map<std::string, CounterPair>;
    EXPECT_EQ(session->AppBytesToday(counter),
              (Bytes{{"/usr/bin/curl", {360, 60}}, {"/bin/ping", {4, 4}}}));
    // Without a live look, what is stored.
    EXPECT_EQ(session->AppBytesToday(std::nullopt),
              (Bytes{{"/usr/bin/curl", {310, 50}}, {"/bin/ping", {4, 4}}}));
    rig.clock.Advance(minutes(30));  // past midnight: a new day starts empty
    EXPECT_EQ(session->AppBytesToday(std::nullopt), Bytes{});
}

TEST(UsageStore, WithoutALockFileTheBytesAreStillRecorded) {
    StoreRig rig;
    // A lock file that cannot be opened for writing, as in a read-only folder.
    std::filesystem::create_directories(LockFileFor(rig.Database()));
    auto session = rig.Session();
    EXPECT_TRUE(session->Recording());
    session->Record(rig.Read(0));
    session->Record(rig.Read(70));
    session->Flush();
    EXPECT_EQ(rig.StoredReceived(), 70u);
    // A second program still stays a reader: the first one records.
    std::filesystem::remove(LockFileFor(rig.Database()));
    rig.clock.Advance(seconds(61));
    session->Record(rig.Read(5));
    EXPECT_FALSE(rig.Session()->Recording());
    session.reset();
    EXPECT_EQ(rig.StoredReceived(), 75u);
}

}  // namespace
}  // namespace bytelora
