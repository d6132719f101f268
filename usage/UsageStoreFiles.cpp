// The database file on disk: its private folder, the files SQLite keeps beside it, and a
// damaged file moved out of the way.
#include <QDateTime>
#include <QFile>

#include <algorithm>
#include <system_error>

#include "usage/UsageStore.h"
#include "usage/UsageStoreParts.h"

namespace bytelora {

namespace fs = std::filesystem;

namespace usage_store {

QString PathText(const fs::path& path) {
    return QString::fromStdU16String(path.u16string());
}

fs::path SideFile(const fs::path& file, const char* suffix) {
    return file.string() + suffix;
}

void CreatePrivateFile(const fs::path& file) {
    {
        QFile made(PathText(file));
        (void)made.open(QIODevice::WriteOnly | QIODevice::Append);
    }
    std::error_code ec;
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write, ec);
}

// Found before SQLite opens the file: SQLite would delete a journal beside a file it
// cannot use, and that journal is part of what is kept.
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

bool HasUnappliedLog(const fs::path& file) {
    std::error_code ec;
    return fs::file_size(SideFile(file, "-wal"), ec) > 0 && !ec;
}

}  // namespace usage_store

namespace {

// "20241208-071502", local time.
std::string StampText(std::chrono::system_clock::time_point now) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(now.time_since_epoch());
    return QDateTime::fromSecsSinceEpoch(seconds.count())
        .toString(QStringLiteral("yyyyMMdd-HHmmss"))
        .toStdString();
}

}  // namespace

using namespace usage_store;

void MakePrivateFolder(const fs::path& folder) {
    std::error_code ec;
    if (folder.empty() || fs::exists(folder, ec)) return;
    fs::create_directories(folder, ec);
    fs::permissions(folder, fs::perms::owner_all, ec);
}

void UsageStore::MoveDamagedAside() {
    CloseConnection();
    const std::string base = options_.file.string() + ".damaged-" + StampText(clock_.Now());
    fs::path aside = base;
    std::error_code ec;
    for (int n = 2; fs::exists(aside, ec); ++n) aside = base + "-" + std::to_string(n);
    fs::rename(options_.file, aside, ec);
    if (ec) {
        if (tell_) tell_(DamagedStuckMessage(Location(), ec.message()));
        return;
    }
    // The journal belongs to the damaged file: it goes with it, never into the new one.
    for (const char* suffix : {"-wal", "-shm"}) {
        const fs::path side = SideFile(options_.file, suffix);
        if (fs::exists(side, ec)) fs::rename(side, aside.string() + suffix, ec);
    }
    CreatePrivateFile(options_.file);
    if (tell_) tell_(DamagedKeptMessage(Location(), aside.string()));
}

}  // namespace bytelora
