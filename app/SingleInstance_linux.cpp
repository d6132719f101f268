#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <system_error>

#include "app/SingleInstance.h"

namespace bytelora {
namespace {

// XDG_RUNTIME_DIR is the user's own, removed at log-out; it is used only when it is an
// absolute path to a folder that belongs to this user, as the base directory rules ask.
std::filesystem::path RuntimeFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/') {
        struct stat info {};
        if (::stat(runtime, &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid()) {
            return runtime;
        }
    }
    const char* tmp = std::getenv("TMPDIR");
    return (tmp && tmp[0] == '/') ? std::filesystem::path(tmp) : std::filesystem::path("/tmp");
}

}  // namespace

InstanceLocation UserInstanceLocation() {
    const std::string base = "bytelora-" + std::to_string(::getuid());
    const std::filesystem::path folder = RuntimeFolder();
    return {folder / (base + ".lock"), (folder / (base + ".socket")).string()};
}

}  // namespace bytelora
