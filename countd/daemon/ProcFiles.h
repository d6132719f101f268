#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What bytelora-countd reads of /proc, with the parsing apart from the reading so that
// the rules can be tried on any text.
namespace bytelora::countd {

// Field 22 of /proc/<pid>/stat: the start time in clock ticks since boot. The command
// name (field 2) may hold spaces and parentheses, so the fields are counted from the
// last ')'.
std::optional<std::uint64_t> StartTicksFromStat(std::string_view stat);

// The systemd unit or scope a process runs in, from /proc/<pid>/cgroup: the last
// ".scope" or ".service" name in its unified (0::) path, else in the name=systemd one.
std::string UnitFromCgroupFile(std::string_view cgroupFile);

// Where the cgroup v2 tree is mounted, from /proc/self/mountinfo (for example
// /sys/fs/cgroup, or /sys/fs/cgroup/unified on a hybrid layout); empty without one.
std::string Cgroup2MountFromMountInfo(std::string_view mountInfo);

// The readers, on the live system; an unreadable file gives the empty result.
std::optional<std::uint64_t> ReadStartTicks(std::uint32_t pid);
std::string ReadUnit(std::uint32_t pid);

}  // namespace bytelora::countd
