#include <windows.h>

#include <chrono>
#include <string>
#include <utility>

#include "common/WinHandle.h"
#include "usage/UsageLock.h"

namespace bytelora {

namespace {

class FileLock final : public UsageLock {
  public:
    explicit FileLock(WinHandle file) : file_(std::move(file)) {}

  private:
    WinHandle file_;  // closing it lets the lock go
};

}  // namespace

std::unique_ptr<UsageLock> UsageLock::TryTake(const std::filesystem::path& lockFile,
                                              bool* heldByOther) {
    if (heldByOther) *heldByOther = false;
    WinHandle file(CreateFileW(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return nullptr;
    OVERLAPPED whole{};
    if (!LockFileEx(file.Get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                    &whole)) {
        if (heldByOther) *heldByOther = GetLastError() == ERROR_LOCK_VIOLATION;
        return nullptr;
    }
    return std::make_unique<FileLock>(std::move(file));
}

std::filesystem::path LockFileFor(const std::filesystem::path& database) {
    return database.wstring() + L".lock";
}

std::string CurrentBootId() {
    // The boot time, from the time since boot; rounded to a minute so that the two
    // clocks' drift between reads does not make one boot look like two.
    const auto now = std::chrono::duration_cast<std::chrono::seconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    const auto up = static_cast<long long>(GetTickCount64() / 1000);
    return "boot-" + std::to_string((now - up + 30) / 60);
}

}  // namespace bytelora
