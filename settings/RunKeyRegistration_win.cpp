#include "settings/RunKeyRegistration.h"

#include <memory>
#include <system_error>

#include "settings/Registry.h"

namespace bytelora {

std::wstring RunKeyRegistration::ValueName(const std::filesystem::path& program) {
    return program.filename().wstring();
}

std::wstring RunKeyRegistration::ValueData(const std::filesystem::path& program) {
    std::error_code ec;
    auto full = std::filesystem::absolute(program, ec);
    if (ec) full = program;
    return L"\"" + full.wstring() + L"\"";
}

void RunKeyRegistration::Register(const std::filesystem::path& program) {
    if (program.filename().empty()) {
        throw StartupRegistrationError("Bytelora could not find its own program file.");
    }
    registry::SetKeyValue(root_, keyPath_, ValueName(program), ValueData(program), REG_SZ);
}

void RunKeyRegistration::Unregister(const std::filesystem::path& program) {
    if (program.filename().empty()) return;
    registry::DeleteKeyValue(root_, keyPath_, ValueName(program));
}

std::unique_ptr<StartupRegistration> MakeSystemStartupRegistration() {
    return std::make_unique<RunKeyRegistration>();
}

}  // namespace bytelora
