#pragma once

#include <chrono>
#include <cstdint>

namespace bytelora {

// Exact byte counts since counting began, and when they were taken.
struct TrafficTotals {
    // False until the first table read: there is nothing to measure from yet.
    bool started = false;
    std::uint64_t bytesReceived = 0;
    std::uint64_t bytesSent = 0;
    // The monotonic time of the table read these counts come from.
    std::chrono::steady_clock::time_point sampledAt{};
    // The monotonic time of the first table read, where every count was 0.
    std::chrono::steady_clock::time_point startedAt{};
};

}  // namespace bytelora
