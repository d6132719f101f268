#include "countd/daemon/DropPrivileges.h"

#include <grp.h>
#include <linux/capability.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <sstream>
#include <vector>

#include "countd/protocol/FileText.h"

namespace bytelora::countd {

namespace {

std::string Failed(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

// The capability sets of /proc/self/status, by name ("CapEff" ...).
long long StatusCapabilities(const std::string& status, const std::string& name) {
    std::istringstream lines(status);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind(name + ":", 0) == 0) {
            try {
                return static_cast<long long>(std::stoull(line.substr(name.size() + 1), nullptr, 16));
            } catch (const std::exception&) {
                return -1;
            }
        }
    }
    return -1;
}

int LastCapability() {
    const std::string text = ReadFileText("/proc/sys/kernel/cap_last_cap", 32);
    try {
        return std::stoi(text);
    } catch (const std::exception&) {
        return 63;
    }
}

}  // namespace

long long EffectiveCapabilities() {
    return StatusCapabilities(ReadFileText("/proc/self/status", 16384), "CapEff");
}

DropResult DropPrivileges(const std::string& userName) {
    DropResult result;
    const passwd* user = ::getpwnam(userName.c_str());
    if (!user) user = ::getpwnam("nobody");
    if (!user) return {false, {}, "neither the user " + userName + " nor nobody exists"};
    if (user->pw_uid == 0) return {false, {}, "the user " + userName + " is root"};
    result.user = user->pw_name;
    const uid_t uid = user->pw_uid;
    const gid_t gid = user->pw_gid;

    // The bounding set first: dropping from it needs CAP_SETPCAP, gone after setuid.
    for (int cap = 0; cap <= LastCapability(); ++cap) {
        if (::prctl(PR_CAPBSET_DROP, cap, 0, 0, 0) != 0 && errno != EINVAL) {
            return {false, {}, Failed("cannot empty the capability bounding set")};
        }
    }
    if (::setgroups(0, nullptr) != 0) return {false, {}, Failed("setgroups")};
    if (::setresgid(gid, gid, gid) != 0) return {false, {}, Failed("setresgid")};
    if (::prctl(PR_SET_KEEPCAPS, 0, 0, 0, 0) != 0) return {false, {}, Failed("PR_SET_KEEPCAPS")};
    if (::setresuid(uid, uid, uid) != 0) return {false, {}, Failed("setresuid")};
    // setresuid away from root already clears the permitted and effective sets; the
    // inheritable and ambient ones are cleared here by hand.
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    if (::syscall(SYS_capset, &header, data) != 0) return {false, {}, Failed("capset")};
    if (::prctl(PR_CAP_AMBIENT, PR_CAP_AMBIENT_CLEAR_ALL, 0, 0, 0) != 0 && errno != EINVAL) {
        return {false, {}, Failed("clearing the ambient capabilities")};
    }
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0) return {false, {}, Failed("PR_SET_NO_NEW_PRIVS")};

    const std::string status = ReadFileText("/proc/self/status", 16384);
    for (const char* set : {"CapInh", "CapPrm", "CapEff", "CapBnd", "CapAmb"}) {
        if (StatusCapabilities(status, set) != 0) {
            return {false, {}, std::string("capabilities are left after dropping them (") + set + ")"};
        }
    }
    if (::getuid() == 0 || ::geteuid() == 0 || ::getegid() == 0) {
        return {false, {}, "still root after switching user"};
    }
    result.dropped = true;
    return result;
}

}  // namespace bytelora::countd
