#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "settings/StartupRegistration.h"

namespace bytelora::testing {

// Records Register and Unregister calls in order, and can be told to fail them.
class FakeStartupRegistration : public StartupRegistration {
  public:
    struct Call {
        enum class Kind { Register, Unregister };
        Kind kind;
        std::filesystem::path program;
        bool operator==(const Call&) const = default;
    };

    void Register(const std::filesystem::path& program) override {
        calls_.push_back({Call::Kind::Register, program});
        if (failure_) throw StartupRegistrationError(*failure_);
        registered_ = program;
    }

    void Unregister(const std::filesystem::path& program) override {
        calls_.push_back({Call::Kind::Unregister, program});
        if (failure_) throw StartupRegistrationError(*failure_);
        registered_.reset();
    }

    // Every later call is recorded, then throws StartupRegistrationError(message).
    void FailCalls(std::string message = "The start-up registration cannot be written.") {
        failure_ = std::move(message);
    }
    void StopFailing() { failure_.reset(); }

    const std::vector<Call>& calls() const { return calls_; }
    // The program the last successful Register named, unless unregistered since.
    const std::optional<std::filesystem::path>& registered() const { return registered_; }
    void ClearCalls() { calls_.clear(); }

  private:
    std::vector<Call> calls_;
    std::optional<std::filesystem::path> registered_;
    std::optional<std::string> failure_;
};

}  // namespace bytelora::testing
