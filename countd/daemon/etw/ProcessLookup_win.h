#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <optional>

#include "countd/daemon/etw/EventCounter.h"
#include "countd/daemon/etw/UserNumbers.h"

namespace bytelora::countd {

// A Windows creation time (FILETIME) is in units of 100 ns.
inline constexpr std::uint64_t kFileTimeNanoseconds = 100;

// The user a token stands for, as a SID string ("S-1-5-21-…"); empty when it can't be read.
std::string UserSidOfToken(HANDLE token);
// The creation time of the running process `pid`, or empty when none runs.
std::optional<std::uint64_t> WindowsProcessCreated(std::uint32_t pid);
// Its creation time, user, name and executable. Other users' processes can be looked
// at only by LocalSystem (or an administrator): hence the service's account.
std::optional<ProcessIdentity> IdentifyWindowsProcess(std::uint32_t pid, UserNumbers& users);

}  // namespace bytelora::countd
