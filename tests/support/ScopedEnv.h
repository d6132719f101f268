#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace bytelora::testing {

// Sets (or, with nullopt, unsets) one environment variable for the life of the object.
class ScopedEnv {
  public:
    ScopedEnv(std::string name, const std::optional<std::string>& value) : name_(std::move(name)) {
        if (const char* old = std::getenv(name_.c_str())) saved_ = old;
        Apply(value);
    }
    ~ScopedEnv() { Apply(saved_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    void Apply(const std::optional<std::string>& value) {
#ifdef _WIN32
        // The C runtime's own copy of the environment, which getenv reads; an empty
        // value removes the variable.
        ::_putenv_s(name_.c_str(), value ? value->c_str() : "");
#else
        if (value) {
            ::setenv(name_.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(name_.c_str());
        }
#endif
    }

    std::string name_;
    std::optional<std::string> saved_;
};

}  // namespace bytelora::testing
