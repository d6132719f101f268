// The history log on Linux: a UTF-8 text file that only its owner may use. The log may
// live in a shared temporary folder, so the file is opened without following a symbolic
// link and is used only when it is the user's own regular file.
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "common/AppText.h"
#include "common/Translate.h"
#include "common/UniqueFd.h"
#include "history/HistoryLog.h"

namespace bytelora {
namespace {

std::string Reason(int error) {
    return std::generic_category().message(error);
}

[[noreturn]] void Fail(const std::string& action, const std::string& path,
                       const std::string& reason) {
    throw HistoryLogError(HistoryLogFailure(action != "read", path, reason));
}

// Opens the log and makes sure it is the user's own regular file.
UniqueFd OpenOwnLog(const std::string& path, int flags, const std::string& action) {
    UniqueFd fd(::open(path.c_str(), flags | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY | O_NONBLOCK,
                       S_IRUSR | S_IWUSR));
    if (!fd.Valid()) {
        const int error = errno;
        if (error == ELOOP) {
            Fail(action, path,
                 Translate("bytelora::HistoryLog", "it is a symbolic link, which is not followed"));
        }
        Fail(action, path, Reason(error));
    }
    struct stat status {};
    if (::fstat(fd.Get(), &status) != 0) {
        Fail(action, path, Reason(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        Fail(action, path, Translate("bytelora::HistoryLog", "it is not a regular file"));
    }
    if (status.st_uid != ::geteuid()) {
        Fail(action, path, Translate("bytelora::HistoryLog", "it belongs to another user"));
    }
    // Only the open itself had to be non-blocking (a planted pipe must not hang it).
    ::fcntl(fd.Get(), F_SETFL, ::fcntl(fd.Get(), F_GETFL) & ~O_NONBLOCK);
    return fd;
}

// Serialises appends of several running copies, so that a roll-back only ever takes
// back this copy's own bytes. A file system without locks still gets the O_APPEND write.
class AppendLock {
  public:
    explicit AppendLock(int fd) : fd_(fd) {
        int result = 0;
        do {
            result = ::flock(fd_, LOCK_EX);
        } while (result != 0 && errno == EINTR);
        locked_ = result == 0;
    }
    ~AppendLock() {
        if (locked_) {
            ::flock(fd_, LOCK_UN);
        }
    }
    AppendLock(const AppendLock&) = delete;
    AppendLock& operator=(const AppendLock&) = delete;

  private:
    int fd_;
    bool locked_ = false;
};

std::string PasswordHome() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_dir == nullptr) {
        return {};
    }
    return found->pw_dir;
}

// Creates every missing folder of an absolute path, private to the user. Failures are
// left for the first append to report, with the file's name and the reason.
void CreatePrivateFolders(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string prefix = folder.substr(0, slash);
        if (!prefix.empty()) {
            ::mkdir(prefix.c_str(), S_IRWXU);
        }
        if (slash == std::string::npos) {
            break;
        }
    }
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '/') {
        return folder + name;
    }
    return folder + "/" + name;
}

}  // namespace

std::string HistoryLogPath(const EnvironmentLookup& environment) {
    const std::string fileName = HistoryLogFileName();
    if (const auto temp = environment("TEMP"); temp && !temp->empty()) {
        return JoinPath(*temp, fileName);
    }
    // A relative XDG_STATE_HOME is invalid and ignored, as for every XDG folder.
    std::string stateHome;
    if (const auto xdg = environment("XDG_STATE_HOME");
        xdg && !xdg->empty() && xdg->front() == '/') {
        stateHome = *xdg;
    } else {
        std::string home;
        if (const auto fromEnvironment = environment("HOME")) {
            home = *fromEnvironment;
        }
        if (home.empty()) {
            home = PasswordHome();
        }
        if (home.empty() || home.front() != '/') {
            throw HistoryLogError(
                "Cannot find a folder for the history log: TEMP, XDG_STATE_HOME and HOME are "
                "not set");
        }
        stateHome = JoinPath(home, ".local/state");
    }
    const std::string folder = JoinPath(stateHome, kProductName);
    CreatePrivateFolders(folder);
    return JoinPath(folder, fileName);
}

void AppendToHistoryLog(const std::string& path, const std::string& line) {
    const std::string record = line + "\r\n";
    const UniqueFd fd = OpenOwnLog(path, O_WRONLY | O_APPEND | O_CREAT, "write to");
    const AppendLock lock(fd.Get());

    struct stat before {};
    if (::fstat(fd.Get(), &before) != 0) {
        Fail("write to", path, Reason(errno));
    }
    ssize_t written = 0;
    do {
        written = ::write(fd.Get(), record.data(), record.size());
    } while (written < 0 && errno == EINTR);
    if (written == static_cast<ssize_t>(record.size())) {
        return;
    }

    std::string reason = written < 0
                             ? Reason(errno)
                             : "only " + std::to_string(written) + " of " +
                                   std::to_string(record.size()) + " bytes could be written";
    if (written > 0) {
        // A short write does not say why (a full disk, a size limit); asking for the rest
        // does. Whatever it answers, the line is taken back below: it went out in more
        // than one write.
        const auto done = static_cast<std::size_t>(written);
        ssize_t rest = 0;
        do {
            rest = ::write(fd.Get(), record.data() + done, record.size() - done);
        } while (rest < 0 && errno == EINTR);
        if (rest < 0) {
            reason += " (" + Reason(errno) + ")";
        }
    }
    struct stat after {};
    const bool grew = ::fstat(fd.Get(), &after) != 0 || after.st_size > before.st_size;
    if (grew && ::ftruncate(fd.Get(), before.st_size) != 0) {
        Fail("write to", path,
             reason + "; the partial line could not be taken back (" + Reason(errno) + ")");
    }
    Fail("write to", path,
         FillIn(Translate("bytelora::HistoryLog", "%1; the line was not added"), {reason}));
}

std::string ReadHistoryLog(const std::string& path) {
    const UniqueFd fd = OpenOwnLog(path, O_RDONLY, "read");
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd.Get(), buffer, sizeof buffer);
        if (count == 0) {
            return text;
        }
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail("read", path, Reason(errno));
        }
        text.append(buffer, static_cast<std::size_t>(count));
    }
}

}  // namespace bytelora
