#pragma once

#include <string>

namespace bytelora::countd {

struct DropResult {
    bool dropped = false;
    std::string user;     // the user it now runs as
    std::string problem;  // why it could not, when it could not
};

// Gives up root for good: no supplementary groups, the group and user of `userName`
// (or of "nobody" where that user does not exist, as in a build folder), an empty
// bounding set, no capabilities of any kind, and no_new_privs. Then checks
// /proc/self/status: anything left (CapEff not 0, still uid 0) is a failure.
DropResult DropPrivileges(const std::string& userName);

// The CapEff line of /proc/self/status as a number; -1 when unreadable.
long long EffectiveCapabilities();

}  // namespace bytelora::countd
