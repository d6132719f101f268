#include "countd/daemon/etw/UserNumbers.h"

namespace bytelora::countd {

std::uint32_t UserNumbers::NumberOf(const std::string& sid) {
    if (sid == kLocalSystemSid) return 0;
    std::lock_guard lock(mutex_);
    const auto [it, fresh] = numbers_.try_emplace(sid, next_);
    if (fresh) ++next_;
    return it->second;
}

std::optional<std::string> UserNumbers::SidOf(std::uint32_t number) const {
    if (number == 0) return kLocalSystemSid;
    std::lock_guard lock(mutex_);
    for (const auto& [sid, given] : numbers_) {
        if (given == number) return sid;
    }
    return std::nullopt;
}

std::uint32_t UserNumbers::ViewerOf(const ClientIdentity& client) {
    // An empty SID is never a user's: such a client sees no one's programs.
    if (client.administrator) return 0;
    if (client.sid.empty()) return NumberOf("S-1-0-0");  // the null SID, which owns nothing
    return NumberOf(client.sid);
}

}  // namespace bytelora::countd
