#include <stdexcept>
#include <utility>

#include "common/Environment.h"
#include "common/WinText.h"

namespace bytelora {
namespace {

[[noreturn]] void FailConversion(const std::string& name) {
    throw std::runtime_error("Cannot convert the text of the environment variable " + name +
                             " (error " + std::to_string(::GetLastError()) + ")");
}

}  // namespace

std::optional<std::string> ProcessEnvironment(const std::string& name) {
    const std::optional<std::wstring> wide = Widen(name, CP_UTF8);
    if (!wide) FailConversion(name);
    const std::wstring& wideName = *wide;
    ::SetLastError(ERROR_SUCCESS);
    const DWORD needed = ::GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    if (needed == 0) {
        if (::GetLastError() == ERROR_ENVVAR_NOT_FOUND) {
            return std::nullopt;
        }
        return std::string();
    }
    std::wstring value(needed, L'\0');
    const DWORD length = ::GetEnvironmentVariableW(wideName.c_str(), value.data(), needed);
    value.resize(length < needed ? length : 0);
    std::optional<std::string> narrow = Narrow(value, CP_UTF8);
    if (!narrow) FailConversion(name);
    return *std::move(narrow);
}

}  // namespace bytelora
