#include "netstats/LinuxSysfs.h"

#include <sys/stat.h>

#include <charconv>
#include <fstream>
#include <limits>

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
    std::ifstream file(root + "/" + name + "/speed");
    if (!file) return 0;
    char text[32] = {};
    // A link that is down makes the read itself fail (EINVAL); that is "unknown" too.
    file.read(text, sizeof(text) - 1);
    const char* end = text + file.gcount();
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
