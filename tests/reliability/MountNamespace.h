#pragma once

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "support/NetworkNamespace.h"

namespace bytelora::testing {

// A tmpfs of a given size on a folder, seen by this test process alone: the process
// moves into a mount namespace of its own first, so nothing leaks to the machine even if
// the test dies half-way. Needs root; `Available()` is false (with the reason) otherwise.
class PrivateTmpfs {
  public:
    PrivateTmpfs(const std::filesystem::path& folder, const std::string& size) : folder_(folder) {
        if (::geteuid() != 0) {
            reason_ = "needs root to mount a file system";
            return;
        }
        if (std::string why = EnterPrivateMountNamespace(); !why.empty()) {
            reason_ = why;
            return;
        }
        std::filesystem::create_directories(folder_);
        const std::string options = "size=" + size + ",mode=0700";
        if (::mount("tmpfs", folder_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) !=
            0) {
            reason_ = std::string("cannot mount a tmpfs: ") + std::strerror(errno);
            return;
        }
        mounted_ = true;
    }
    ~PrivateTmpfs() {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    }
    PrivateTmpfs(const PrivateTmpfs&) = delete;
    PrivateTmpfs& operator=(const PrivateTmpfs&) = delete;

    bool Available() const { return mounted_; }
    const std::string& Reason() const { return reason_; }

    // Read-only or writable again, keeping what it holds.
    bool SetReadOnly(bool readOnly) {
        unsigned long flags = MS_REMOUNT | MS_NOSUID | MS_NODEV;
        if (readOnly) flags |= MS_RDONLY;
        return ::mount("tmpfs", folder_.c_str(), "tmpfs", flags, nullptr) == 0;
    }

  private:
    std::filesystem::path folder_;
    std::string reason_;
    bool mounted_ = false;
};

}  // namespace bytelora::testing
