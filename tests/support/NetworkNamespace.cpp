#include "support/NetworkNamespace.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "common/UniqueFd.h"

namespace bytelora::testing {

bool Shell(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

bool EnterNamedNetworkNamespace(const std::string& name) {
    const UniqueFd space(::open(("/run/netns/" + name).c_str(), O_RDONLY | O_CLOEXEC));
    return space.Valid() && ::setns(space.Get(), CLONE_NEWNET) == 0;
}

std::string EnterPrivateMountNamespace() {
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        return std::string("no mount namespace: ") + std::strerror(errno);
    }
    return {};
}

std::string MountSysfsOfThisNetworkNamespace() {
    if (std::string why = EnterPrivateMountNamespace(); !why.empty()) return why;
    ::umount2("/sys", MNT_DETACH);
    if (::mount("sysfs", "/sys", "sysfs", 0, nullptr) != 0) {
        return std::string("cannot mount sysfs: ") + std::strerror(errno);
    }
    return {};
}

}  // namespace bytelora::testing
