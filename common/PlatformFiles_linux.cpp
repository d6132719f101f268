#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <stdexcept>
#include <system_error>

#include "common/PlatformFiles.h"
#include "common/UniqueFd.h"

namespace bytelora::platform {

bool DeleteOrdinary(const std::filesystem::path& path) noexcept {
    // unlink, unlike remove(), never takes a folder away.
    return ::unlink(path.c_str()) == 0;
}

bool DeleteForced(const std::filesystem::path& path) noexcept {
    // Unlinking needs no write permission on the file itself, but a user who marked
    // the file read-only meant "keep it"; clearing that first mirrors the forced delete
    // on Windows. A symbolic link is removed as a link and its target left untouched.
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return false;
    }
    if (S_ISDIR(info.st_mode)) {
        return false;
    }
    if (S_ISREG(info.st_mode) && (info.st_mode & S_IWUSR) == 0) {
        ::chmod(path.c_str(), (info.st_mode & 07777) | S_IWUSR);
    }
    return ::unlink(path.c_str()) == 0;
}

bool IsPlainVisibleFile(const std::filesystem::path& path) noexcept {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::filesystem::path ExecutablePath() {
    std::error_code error;
    auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || path.empty()) {
        throw std::runtime_error("Cannot find the program's own file: " + error.message());
    }
    return path;
}

ReadOutcome ReadWholeFile(const std::filesystem::path& path, std::string& text) {
    text.clear();
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (!fd.Valid()) return ReadOutcome::CannotOpen;
    std::array<char, 4096> buffer{};
    for (;;) {
        const ssize_t got = ::read(fd.Get(), buffer.data(), buffer.size());
        if (got > 0) {
            text.append(buffer.data(), static_cast<std::size_t>(got));
        } else if (got == 0) {
            return ReadOutcome::Read;
        } else if (errno != EINTR) {
            return ReadOutcome::CannotRead;
        }
    }
}

}  // namespace bytelora::platform
