// The history log on Windows: a text file in the ANSI code page in the TEMP folder. The
// program's own text is UTF-8; it is converted on the way out and on the way in.
#include <windows.h>

#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "common/Translate.h"
#include "common/WinHandle.h"
#include "common/WinText.h"
#include "history/HistoryLog.h"

namespace bytelora {
namespace {

std::string Reason(DWORD error) {
    return std::system_category().message(static_cast<int>(error));
}

[[noreturn]] void Fail(const std::string& action, const std::string& path,
                       const std::string& reason) {
    throw HistoryLogError(HistoryLogFailure(action != "read", path, reason));
}

[[noreturn]] void FailConversion() {
    throw HistoryLogError("Cannot convert text for the history log: " + Reason(::GetLastError()));
}

std::wstring WidenOrFail(const std::string& text, UINT codePage) {
    std::optional<std::wstring> wide = Widen(text, codePage);
    if (!wide) FailConversion();
    return *std::move(wide);
}

std::string NarrowOrFail(const std::wstring& wide, UINT codePage) {
    std::optional<std::string> narrow = Narrow(wide, codePage);
    if (!narrow) FailConversion();
    return *std::move(narrow);
}

// A one-byte lock far beyond any real end of file: it serialises the appends of several
// running copies without ever blocking readers of the log's actual bytes.
class AppendLock {
  public:
    explicit AppendLock(HANDLE file) : file_(file) {
        OVERLAPPED region{};
        region.Offset = 0xFFFFFFF0u;
        region.OffsetHigh = 0x7FFFFFFFu;
        locked_ = ::LockFileEx(file_, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &region) != FALSE;
    }
    ~AppendLock() {
        if (locked_) {
            OVERLAPPED region{};
            region.Offset = 0xFFFFFFF0u;
            region.OffsetHigh = 0x7FFFFFFFu;
            ::UnlockFileEx(file_, 0, 1, 0, &region);
        }
    }
    AppendLock(const AppendLock&) = delete;
    AppendLock& operator=(const AppendLock&) = delete;

  private:
    HANDLE file_;
    bool locked_ = false;
};

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

}  // namespace

std::string HistoryLogPath(const EnvironmentLookup& environment) {
    return environment("TEMP").value_or(std::string()) + "\\" + HistoryLogFileName();
}

void AppendToHistoryLog(const std::string& path, const std::string& line) {
    const std::string record = NarrowOrFail(WidenOrFail(line + "\r\n", CP_UTF8), CP_ACP);
    const WinHandle file(::CreateFileW(WidenOrFail(path, CP_UTF8).c_str(),
                                       FILE_APPEND_DATA | FILE_WRITE_DATA | FILE_READ_ATTRIBUTES,
                                       kShareAll, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                       nullptr));
    if (!file.Valid()) {
        Fail("write to", path, Reason(::GetLastError()));
    }
    const AppendLock lock(file.Get());

    LARGE_INTEGER before{};
    if (!::GetFileSizeEx(file.Get(), &before)) {
        Fail("write to", path, Reason(::GetLastError()));
    }
    // Both offsets all ones: the write goes to the end of the file as it is at that moment.
    OVERLAPPED atEnd{};
    atEnd.Offset = 0xFFFFFFFFu;
    atEnd.OffsetHigh = 0xFFFFFFFFu;
    DWORD written = 0;
    const DWORD size = static_cast<DWORD>(record.size());
    const BOOL ok = ::WriteFile(file.Get(), record.data(), size, &written, &atEnd);
    if (ok && written == size) {
        return;
    }

    const std::string reason = !ok ? Reason(::GetLastError())
                                   : "only " + std::to_string(written) + " of " +
                                         std::to_string(size) + " bytes could be written";
    LARGE_INTEGER after{};
    const bool grew = !::GetFileSizeEx(file.Get(), &after) || after.QuadPart > before.QuadPart;
    if (grew && (!::SetFilePointerEx(file.Get(), before, nullptr, FILE_BEGIN) ||
                 !::SetEndOfFile(file.Get()))) {
        Fail("write to", path,
             reason + "; the partial line could not be taken back (" + Reason(::GetLastError()) +
                 ")");
    }
    Fail("write to", path,
         FillIn(Translate("bytelora::HistoryLog", "%1; the line was not added"), {reason}));
}

std::string ReadHistoryLog(const std::string& path) {
    const WinHandle file(::CreateFileW(WidenOrFail(path, CP_UTF8).c_str(), GENERIC_READ, kShareAll,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        Fail("read", path, Reason(::GetLastError()));
    }
    std::string text;
    std::vector<char> buffer(65536);
    for (;;) {
        DWORD count = 0;
        if (!::ReadFile(file.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &count,
                        nullptr)) {
            Fail("read", path, Reason(::GetLastError()));
        }
        if (count == 0) {
            break;
        }
        text.append(buffer.data(), count);
    }
    return NarrowOrFail(WidenOrFail(text, CP_ACP), CP_UTF8);
}

}  // namespace bytelora
