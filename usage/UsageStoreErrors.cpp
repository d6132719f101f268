// What goes wrong in the usage database, as the store's faults and the texts it tells.
#include <QSqlError>
#include <QSqlQuery>

#include "common/Translate.h"
#include "usage/UsageStore.h"
#include "usage/UsageStoreParts.h"

namespace bytelora {

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

namespace usage_store {

int CodeOf(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code : -1;
}

int Run(QSqlQuery& query, const QString& statement) {
    return query.exec(statement) ? 0 : CodeOf(query.lastError());
}

StoreFault FaultOf(const QSqlQuery& failed) {
    return FaultOfSqliteCode(CodeOf(failed.lastError()));
}

std::string DamagedKeptMessage(const std::string& location, const std::string& aside) {
    return FillIn(Translate("bytelora::DataUsage",
                            "The data usage database %1 was damaged. It was kept as %2 and "
                            "a new database was started."),
                  {location, aside});
}

std::string DamagedStuckMessage(const std::string& location, const std::string& why) {
    return FillIn(Translate("bytelora::DataUsage",
                            "The data usage database %1 is damaged and could not be moved "
                            "aside (%2). Data usage is not recorded."),
                  {location, why});
}

std::string UnappliedLogProblem(const std::filesystem::path& file) {
    return "its folder cannot be written, and its latest changes, in " +
           SideFile(file, "-wal").string() + ", can only be read with a file beside it (" +
           SideFile(file, "-shm").string() + ") that cannot be made there";
}

}  // namespace usage_store

}  // namespace bytelora
