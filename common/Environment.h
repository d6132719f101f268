#pragma once

#include <functional>
#include <optional>
#include <string>

namespace bytelora {

// Reads one environment variable; nullopt when it is not set. Passed in, so that tests
// give the program an environment of their own.
using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;

// The process's own environment (UTF-8 text).
std::optional<std::string> ProcessEnvironment(const std::string& name);

}  // namespace bytelora
