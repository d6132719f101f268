#pragma once

#include <filesystem>
#include <memory>

namespace bytelora {

// The right to record data usage: one recorder per user at a time, so that the same
// traffic is never added twice. Held through a lock on a file beside the database; the
// system lets it go when the holder ends, however it ends.
class UsageLock {
  public:
    // Tries once, without waiting. Null when another recorder holds it (`heldByOther`
    // is then set) or when the lock file cannot be made at all (a read-only folder).
    static std::unique_ptr<UsageLock> TryTake(const std::filesystem::path& lockFile,
                                              bool* heldByOther = nullptr);

    virtual ~UsageLock() = default;
};

// The lock file beside a database: "usage.sqlite" -> "usage.sqlite.lock".
std::filesystem::path LockFileFor(const std::filesystem::path& database);

// The identity of this boot of the machine: counters only compare within one boot.
// Empty when it cannot be known, and then nothing is added between runs.
std::string CurrentBootId();

}  // namespace bytelora
