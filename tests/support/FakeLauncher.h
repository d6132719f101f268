#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "common/Launcher.h"

namespace bytelora::testing {

// Records what would have been started. When told to fail, every call is still
// recorded and then throws std::runtime_error, as the real launcher does.
class FakeLauncher final : public Launcher {
  public:
    enum class Kind { TextFile, Page };
    struct Call {
        Kind kind;
        std::string target;
    };

    void OpenTextFile(const std::string& path) override { Record(Kind::TextFile, path); }
    void OpenPage(const std::string& urlOrPath) override { Record(Kind::Page, urlOrPath); }

    void FailWith(std::string description) { failure_ = std::move(description); }
    void Succeed() { failure_.reset(); }

    const std::vector<Call>& calls() const { return calls_; }
    std::vector<std::string> textFiles() const { return Targets(Kind::TextFile); }
    std::vector<std::string> pages() const { return Targets(Kind::Page); }

  private:
    void Record(Kind kind, const std::string& target) {
        calls_.push_back(Call{kind, target});
        if (failure_) {
            throw std::runtime_error(*failure_);
        }
    }
    std::vector<std::string> Targets(Kind kind) const {
        std::vector<std::string> targets;
        for (const auto& call : calls_) {
            if (call.kind == kind) {
                targets.push_back(call.target);
            }
        }
        return targets;
    }

    std::vector<Call> calls_;
    std::optional<std::string> failure_;
};

}  // namespace bytelora::testing
