#pragma once

#include <map>
#include <optional>
#include <string>

namespace bytelora::testing {

// An environment made of the given variables only, for code that looks names up.
inline auto EnvironmentOf(std::map<std::string, std::string> values) {
    return [values = std::move(values)](const std::string& name) -> std::optional<std::string> {
        const auto found = values.find(name);
        if (found == values.end()) return std::nullopt;
        return found->second;
    };
}

}  // namespace bytelora::testing
