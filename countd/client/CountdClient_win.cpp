#include "countd/client/CountdClient.h"

namespace bytelora::countd {

std::optional<std::uint32_t> ClientUserId() {
    return std::nullopt;
}

FetchResult FetchCounts(const std::string&, std::chrono::milliseconds) {
    return {std::nullopt, "The per-application counter is not available on Windows yet."};
}

}  // namespace bytelora::countd
