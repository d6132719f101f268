#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "common/PlatformFiles.h"
#include "common/UniqueFd.h"
#include "usage/UsageLock.h"

namespace bytelora {

namespace {

class FlockLock final : public UsageLock {
  public:
    explicit FlockLock(UniqueFd fd) : fd_(std::move(fd)) {}

  private:
    UniqueFd fd_;  // closing it lets the lock go
};

}  // namespace

std::unique_ptr<UsageLock> UsageLock::TryTake(const std::filesystem::path& lockFile,
                                              bool* heldByOther) {
    if (heldByOther) *heldByOther = false;
    UniqueFd fd(::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (!fd.Valid()) return nullptr;
    if (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) {
        if (heldByOther) *heldByOther = errno == EWOULDBLOCK;
        return nullptr;
    }
    return std::make_unique<FlockLock>(std::move(fd));
}

std::filesystem::path LockFileFor(const std::filesystem::path& database) {
    return database.string() + ".lock";
}

std::string CurrentBootId() {
    std::string id;
    const auto outcome = platform::ReadWholeFile("/proc/sys/kernel/random/boot_id", id);
    if (outcome != platform::ReadOutcome::Read) return {};
    return id.substr(0, id.find('\n'));
}

}  // namespace bytelora
