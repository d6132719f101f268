#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>

// Windows names users by SID, the counter's protocol by a number. The counter gives each
// SID it meets a number of its own for as long as it runs: LocalSystem is 0, as root is
// on Linux, and every other SID the next number from 1000 on. A client is answered as the
// number of its own SID, or as 0 (every user's programs) when it is an administrator.
namespace bytelora::countd {

inline constexpr const char* kLocalSystemSid = "S-1-5-18";

struct ClientIdentity {
    std::string sid;             // the pipe client's user, from its token
    bool administrator = false;  // an elevated member of Administrators
};

class UserNumbers {
  public:
    static constexpr std::uint32_t kFirstNumber = 1000;

    std::uint32_t NumberOf(const std::string& sid);
    // The SID given a number, for an administrator's tools; empty for one never given.
    std::optional<std::string> SidOf(std::uint32_t number) const;
    // The number a client's reply is made for.
    std::uint32_t ViewerOf(const ClientIdentity& client);

  private:
    mutable std::mutex mutex_;
    std::map<std::string, std::uint32_t> numbers_;
    std::uint32_t next_ = kFirstNumber;
};

}  // namespace bytelora::countd
