#include "countd/daemon/etw/ProcessLookup_win.h"

// windows.h (through WinHandle.h) before the headers that need its types.
#include "common/WinHandle.h"

#include <sddl.h>

#include <vector>

#include "common/WinText.h"

namespace bytelora::countd {

namespace {

constexpr std::uint32_t kSystemPid = 4;

std::optional<std::uint64_t> CreatedOf(HANDLE process) {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!::GetProcessTimes(process, &created, &exited, &kernel, &user)) return std::nullopt;
    return static_cast<std::uint64_t>(created.dwHighDateTime) << 32 | created.dwLowDateTime;
}

}  // namespace

std::string UserSidOfToken(HANDLE token) {
    DWORD size = 0;
    ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    if (size == 0) return {};
    std::vector<std::uint8_t> buffer(size);
    if (!::GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) return {};
    const auto* user = reinterpret_cast<const TOKEN_USER*>(buffer.data());
    LPWSTR text = nullptr;
    if (!::ConvertSidToStringSidW(user->User.Sid, &text)) return {};
    const auto sid = Narrow(text, CP_UTF8);
    ::LocalFree(text);
    return sid.value_or("");
}

namespace {

// Whether the process has ended (its handle stays valid until closed).
bool Ended(HANDLE process) {
    DWORD code = 0;
    return ::GetExitCodeProcess(process, &code) && code != STILL_ACTIVE;
}

std::string UserSidOf(HANDLE process) {
    HANDLE raw = nullptr;
    if (!::OpenProcessToken(process, TOKEN_QUERY, &raw)) return {};
    const WinHandle token(raw);
    return UserSidOfToken(token.Get());
}

std::string ImagePathOf(HANDLE process) {
    std::wstring path(32768, L'\0');
    DWORD size = static_cast<DWORD>(path.size());
    if (!::QueryFullProcessImageNameW(process, 0, path.data(), &size)) return {};
    path.resize(size);
    return Narrow(path, CP_UTF8).value_or("");
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::optional<std::uint64_t> WindowsProcessCreated(std::uint32_t pid) {
    const WinHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    if (!process.Valid() || Ended(process.Get())) return std::nullopt;
    return CreatedOf(process.Get());
}

std::optional<ProcessIdentity> IdentifyWindowsProcess(std::uint32_t pid, UserNumbers& users) {
    const WinHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    if (!process.Valid() || Ended(process.Get())) return std::nullopt;
    const auto created = CreatedOf(process.Get());
    if (!created) return std::nullopt;
    ProcessIdentity identity;
    identity.created = *created;
    // A token that cannot be read (a protected process) leaves the process to no user:
    // only administrators see it.
    const std::string sid = pid == kSystemPid ? kLocalSystemSid : UserSidOf(process.Get());
    identity.uid = users.NumberOf(sid.empty() ? "S-1-0-0" : sid);
    identity.executable = pid == kSystemPid ? "System" : ImagePathOf(process.Get());
    identity.comm = FileNameOf(identity.executable);
    return identity;
}

}  // namespace bytelora::countd
