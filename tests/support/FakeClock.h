#pragma once

#include <chrono>

#include "common/Clock.h"

namespace bytelora::testing {

// A clock that moves only when the test says so. Advance moves the monotonic and the
// wall clock together; SetNow changes the wall clock alone, as a user adjusting the
// system time would.
class FakeClock final : public Clock {
  public:
    FakeClock()
        : monotonic_(std::chrono::hours(1000)),
          now_(std::chrono::sys_days{std::chrono::year{2024} / 3 / 5} + std::chrono::hours(12)) {}

    std::chrono::steady_clock::time_point Monotonic() const override { return monotonic_; }
    std::chrono::system_clock::time_point Now() const override { return now_; }

    template <class Rep, class Period>
    void Advance(std::chrono::duration<Rep, Period> step) {
        monotonic_ += std::chrono::duration_cast<std::chrono::steady_clock::duration>(step);
        now_ += std::chrono::duration_cast<std::chrono::system_clock::duration>(step);
    }
    template <class Rep, class Period>
    void AdvanceMonotonic(std::chrono::duration<Rep, Period> step) {
        monotonic_ += std::chrono::duration_cast<std::chrono::steady_clock::duration>(step);
    }
    void SetNow(std::chrono::system_clock::time_point now) { now_ = now; }
    void SetMonotonic(std::chrono::steady_clock::time_point monotonic) { monotonic_ = monotonic; }

  private:
    std::chrono::steady_clock::time_point monotonic_;
    std::chrono::system_clock::time_point now_;
};

}  // namespace bytelora::testing
