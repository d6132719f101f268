#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "countd/daemon/RuntimeFolder.h"
#include "support/TempDir.h"

namespace bytelora::countd {
namespace {

std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(RuntimeFolder, OnlyAFolderRootAloneMayWriteInIsFit) {
    EXPECT_EQ(UnsafeFolderReason(0, S_IFDIR | 0755), "");
    EXPECT_EQ(UnsafeFolderReason(0, S_IFDIR | 0700), "");
    EXPECT_EQ(UnsafeFolderReason(1000, S_IFDIR | 0755), "it is not owned by root");
    EXPECT_EQ(UnsafeFolderReason(0, S_IFDIR | 0775), "users other than root may write in it");
    // A sticky /tmp is still a folder where others make names.
    EXPECT_EQ(UnsafeFolderReason(0, S_IFDIR | S_ISVTX | 0777),
              "users other than root may write in it");
    EXPECT_EQ(UnsafeFolderReason(0, S_IFREG | 0644), "it is not a folder");

    EXPECT_EQ(FolderOf("/run/bytelora/countd.socket"), "/run/bytelora");
    EXPECT_EQ(FolderOf("/countd.socket"), "/");
    EXPECT_EQ(FolderOf("countd.socket"), ".");
}

TEST(RuntimeFolder, ChecksTheFolderItselfAndNamesIt) {
    testing::TempDir dir;
    ASSERT_EQ(::chmod(dir.path().c_str(), 0777), 0);
    const std::string problem = CheckRuntimeFolder(dir.path().string());
    EXPECT_NE(problem.find(dir.path().string()), std::string::npos) << problem;
    EXPECT_NE(problem.find("may write in it"), std::string::npos) << problem;
    EXPECT_NE(CheckRuntimeFolder((dir / "missing").string()).find("cannot open"),
              std::string::npos);
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    // Fit only for root, who owns it when the test runs as root.
    EXPECT_EQ(CheckRuntimeFolder(dir.path().string()).empty(), ::geteuid() == 0);
}

TEST(RuntimeFolder, WritesTheFileNewAndNeverThroughALink) {
    testing::TempDir dir;
    const std::string folder = dir.path().string();
    const auto victim = dir / "victim";
    std::ofstream(victim) << "keep me";
    // A stale temporary name and the file itself are links to a file that must not change.
    std::filesystem::create_symlink(victim, dir / "countd.socket.start.part");
    std::filesystem::create_symlink(victim, dir / "countd.socket.start");
    const mode_t oldMask = ::umask(0077);  // the file is for everyone whatever the umask
    EXPECT_EQ(WriteNewFile(folder, "countd.socket.start", "first\n"), "");
    ::umask(oldMask);
    EXPECT_EQ(Contents(victim), "keep me");
    EXPECT_FALSE(std::filesystem::is_symlink(dir / "countd.socket.start"));
    EXPECT_EQ(Contents(dir / "countd.socket.start"), "first\n");
    struct stat info {};
    ASSERT_EQ(::stat((dir / "countd.socket.start").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
    EXPECT_FALSE(std::filesystem::exists(dir / "countd.socket.start.part"));

    // A later start replaces it whole.
    EXPECT_EQ(WriteNewFile(folder, "countd.socket.start", "second\n"), "");
    EXPECT_EQ(Contents(dir / "countd.socket.start"), "second\n");
    EXPECT_NE(WriteNewFile((dir / "missing").string(), "x", "y"), "");
}

}  // namespace
}  // namespace bytelora::countd
