#include "countd/daemon/RuntimeFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/UniqueFd.h"

namespace bytelora::countd {

namespace {

std::string ErrnoText() {
    return std::strerror(errno);
}

}  // namespace

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string UnsafeFolderReason(uid_t owner, mode_t mode) {
    if (!S_ISDIR(mode)) return "it is not a folder";
    if (owner != 0) return "it is not owned by root";
    if ((mode & (S_IWGRP | S_IWOTH)) != 0) return "users other than root may write in it";
    return {};
}

std::string CheckRuntimeFolder(const std::string& folder) {
    const UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat info {};
    if (!fd.Valid() || ::fstat(fd.Get(), &info) != 0)
        return "cannot open the folder " + folder + ": " + ErrnoText();
    const std::string reason = UnsafeFolderReason(info.st_uid, info.st_mode);
    if (reason.empty()) return {};
    return "the socket's folder " + folder + " is unsafe: " + reason +
           "; choose a folder only root may write in, such as /run/bytelora";
}

std::string WriteNewFile(const std::string& folder, const std::string& name,
                         const std::string& text) {
    const std::string path = folder + "/" + name;
    const UniqueFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.Valid()) return "cannot open " + folder + ": " + ErrnoText();
    const std::string temporary = name + ".part";
    // A temporary file left by a counter that died (or anything else under that name,
    // a link included) is removed, not written through.
    if (::unlinkat(dir.Get(), temporary.c_str(), 0) != 0 && errno != ENOENT) {
        return "cannot remove " + folder + "/" + temporary + ": " + ErrnoText();
    }
    UniqueFd file(::openat(dir.Get(), temporary.c_str(),
                           O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (!file.Valid()) return "cannot make " + folder + "/" + temporary + ": " + ErrnoText();
    std::string problem;
    std::size_t written = 0;
    if (::fchmod(file.Get(), 0644) != 0)
        problem = "cannot open " + path + " to every user: " + ErrnoText();
    while (problem.empty() && written < text.size()) {
        const ssize_t n = ::write(file.Get(), text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            problem = "cannot write " + path + ": " + ErrnoText();
        else
            written += static_cast<std::size_t>(n);
    }
    if (problem.empty() && file.Close() != 0) problem = "cannot write " + path + ": " + ErrnoText();
    if (problem.empty() && ::renameat(dir.Get(), temporary.c_str(), dir.Get(), name.c_str()) != 0) {
        problem = "cannot put " + path + " in place: " + ErrnoText();
    }
    if (!problem.empty()) ::unlinkat(dir.Get(), temporary.c_str(), 0);
    return problem;
}

}  // namespace bytelora::countd
