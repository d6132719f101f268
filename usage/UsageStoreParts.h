#pragma once

// What the files of UsageStore share among themselves; nothing else includes this.

#include <QString>

#include <chrono>
#include <filesystem>
#include <string>

#include "usage/UsageDatabase.h"

class QSqlError;
class QSqlQuery;

namespace bytelora::usage_store {

// Errors (UsageStoreErrors.cpp): what SQLite said, as the store's faults and messages.

// The SQLite result code of an error, -1 when it carries none.
int CodeOf(const QSqlError& error);
// The SQLite result code of a failed statement, or 0 when it worked.
int Run(QSqlQuery& query, const QString& statement);
// What the last failure of `failed` means for a write.
StoreFault FaultOf(const QSqlQuery& failed);
// Told when a damaged file was kept as `aside` and a new one started.
std::string DamagedKeptMessage(const std::string& location, const std::string& aside);
// Told when a damaged file could not be moved out of the way.
std::string DamagedStuckMessage(const std::string& location, const std::string& why);
// Why a reader in a folder it cannot write cannot read `file`: its write-ahead log holds
// changes, and reading them needs the -shm file.
std::string UnappliedLogProblem(const std::filesystem::path& file);

// Files (UsageStoreFiles.cpp): the database file and the files SQLite keeps beside it.

QString PathText(const std::filesystem::path& path);
// The file SQLite keeps beside the database: `suffix` is "-wal" or "-shm".
std::filesystem::path SideFile(const std::filesystem::path& file, const char* suffix);
// Makes the file readable and writable by the user alone; one that is there keeps its
// contents.
void CreatePrivateFile(const std::filesystem::path& file);
// A file that is not empty and does not start as every SQLite database does.
bool NotADatabase(const std::filesystem::path& file);
// The write-ahead log beside `file` holds changes the file itself does not have yet.
bool HasUnappliedLog(const std::filesystem::path& file);

}  // namespace bytelora::usage_store
