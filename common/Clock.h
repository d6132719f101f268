#pragma once

#include <chrono>

namespace bytelora {

// Time as the program sees it: a monotonic clock for measuring how long passed, and the
// wall clock for the dates and times shown to the user.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::chrono::steady_clock::time_point Monotonic() const = 0;
    virtual std::chrono::system_clock::time_point Now() const = 0;
};

class SystemClock final : public Clock {
  public:
    std::chrono::steady_clock::time_point Monotonic() const override {
        return std::chrono::steady_clock::now();
    }
    std::chrono::system_clock::time_point Now() const override {
        return std::chrono::system_clock::now();
    }
};

}  // namespace bytelora
