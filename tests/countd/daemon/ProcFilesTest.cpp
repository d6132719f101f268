#include <gtest/gtest.h>

#include <unistd.h>

#include "countd/daemon/ProcFiles.h"

namespace bytelora::countd {
namespace {

TEST(ProcFiles, StartTimeIsCountedFromTheEndOfTheCommandName) {
    const std::string tail = " S 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 424242 20 21\n";
    EXPECT_EQ(StartTicksFromStat("123 (bash)" + tail), 424242u);
    // A name with spaces and parentheses cannot shift the fields.
    EXPECT_EQ(StartTicksFromStat("123 (a) b (c) 1 2 3)" + tail), 424242u);
    EXPECT_FALSE(StartTicksFromStat("123 bash S 1 2"));
    EXPECT_FALSE(StartTicksFromStat("123 (bash) S 1 2 3\n"));
    EXPECT_FALSE(StartTicksFromStat("123 (x) S 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 -5 20"));
    // The live system agrees with itself.
    EXPECT_TRUE(ReadStartTicks(static_cast<std::uint32_t>(::getpid())));
    EXPECT_FALSE(ReadStartTicks(0));
}

TEST(ProcFiles, TheUnitIsTheLastScopeOrService) {
    EXPECT_EQ(UnitFromCgroupFile("0::/user.slice/user-1000.slice/user@1000.service/app.slice/"
                                 "app-flatpak-org.mozilla.firefox-2345.scope\n"),
              "app-flatpak-org.mozilla.firefox-2345.scope");
    EXPECT_EQ(UnitFromCgroupFile("0::/system.slice/ssh.service\n"), "ssh.service");
    EXPECT_EQ(UnitFromCgroupFile("0::/user.slice/user-1000.slice/user@1000.service/app.slice\n"),
              "user@1000.service");
    // A hybrid layout whose unified tree says nothing: the systemd tree tells.
    EXPECT_EQ(UnitFromCgroupFile("12:cpu:/\n1:name=systemd:/user.slice/user-1000.slice/"
                                 "snap.firefox.firefox-1.scope\n0::/\n"),
              "snap.firefox.firefox-1.scope");
    EXPECT_EQ(UnitFromCgroupFile("0::/\n"), "");
    EXPECT_EQ(UnitFromCgroupFile(""), "");
}

TEST(ProcFiles, FindsTheCgroup2TreeOnEveryLayout) {
    const std::string hybrid =
        "25 30 0:22 / /sys/fs/cgroup ro,nosuid - tmpfs tmpfs ro,mode=755\n"
        "26 25 0:23 / /sys/fs/cgroup/unified rw,nosuid shared:7 - cgroup2 cgroup2 rw\n"
        "27 25 0:24 / /sys/fs/cgroup/systemd rw - cgroup cgroup rw,name=systemd\n";
    EXPECT_EQ(Cgroup2MountFromMountInfo(hybrid), "/sys/fs/cgroup/unified");
    EXPECT_EQ(Cgroup2MountFromMountInfo("30 1 0:26 / /sys/fs/cgroup rw - cgroup2 cgroup2 rw\n"),
              "/sys/fs/cgroup");
    // A container that sees only a part of the tree cannot attach at its root.
    EXPECT_EQ(Cgroup2MountFromMountInfo("30 1 0:26 /machine.slice /sys/fs/cgroup rw - cgroup2 cgroup2 rw\n"), "");
    EXPECT_EQ(Cgroup2MountFromMountInfo("30 1 0:26 / /sys/fs/cgroup rw - cgroup cgroup rw\n"), "");
}

}  // namespace
}  // namespace bytelora::countd
