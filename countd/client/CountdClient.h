#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "countd/protocol/CountdProtocol.h"

namespace bytelora::countd {

// What a user does to have the counter.
inline constexpr const char* kEnableCountdHint = "sudo systemctl enable --now bytelora-countd";

// The user the counter answers this process as (it sees that user's processes only,
// unless it is root); nothing where there is no counter.
std::optional<std::uint32_t> ClientUserId();

// BYTELORA_COUNTD_SOCKET when set, else the default: the socket on Linux, the named
// pipe on Windows.
std::string CountdSocketPath();
const char* DefaultCountdAddress();

struct FetchResult {
    std::optional<Reply> reply;
    // Without a reply: one line that says why, for the user.
    std::string problem;
};

// Asks the counter once: connects, sends "list", reads the whole reply within
// `timeout`, and parses it. On systems without the counter it says so.
FetchResult FetchCounts(const std::string& socketPath,
                        std::chrono::milliseconds timeout = std::chrono::milliseconds(3000));

}  // namespace bytelora::countd
