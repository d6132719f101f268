#include "netstats/LinuxSysfs.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <limits>

#include "common/UniqueFd.h"

namespace bytelora {

namespace {

// Kernel interface names never hold '/', and "." and ".." are not interfaces; anything
// else must not steer the path out of the interface's own folder.
bool IsPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

bool Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

}  // namespace

std::uint32_t ReadLinkSpeedMbps(const std::string& name, const std::string& root) {
    if (!IsPlainName(name)) return 0;
    const std::string path = root + "/" + name + "/speed";
    const UniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (!file.Valid()) return 0;
    char text[32] = {};
    // A link that is down makes the read itself fail (EINVAL); that is "unknown" too.
    ssize_t got = 0;
    do {
        got = ::read(file.Get(), text, sizeof(text) - 1);
    } while (got < 0 && errno == EINTR);
    if (got <= 0) return 0;
    const char* end = text + got;
    long long mbps = 0;
    const auto [ptr, ec] = std::from_chars(text, end, mbps);
    if (ec != std::errc() || ptr == text || mbps <= 0) return 0;
    if (mbps > std::numeric_limits<std::uint32_t>::max()) return 0;
    return static_cast<std::uint32_t>(mbps);
}

bool IsWirelessInterface(const std::string& name, const std::string& root) {
    if (!IsPlainName(name)) return false;
    const std::string folder = root + "/" + name;
    return Exists(folder + "/wireless") || Exists(folder + "/phy80211");
}

}  // namespace bytelora
