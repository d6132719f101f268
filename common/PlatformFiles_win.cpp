#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "common/PlatformFiles.h"
#include "common/WinHandle.h"

namespace bytelora::platform {

namespace {
constexpr DWORD kInvalidAttributes = INVALID_FILE_ATTRIBUTES;

}

bool DeleteOrdinary(const std::filesystem::path& path) noexcept {
    return ::DeleteFileW(path.c_str()) != FALSE;
}

bool DeleteForced(const std::filesystem::path& path) noexcept {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == kInvalidAttributes || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return false;
    }
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        ::SetFileAttributesW(path.c_str(),
                             attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    }
    return ::DeleteFileW(path.c_str()) != FALSE;
}

bool IsPlainVisibleFile(const std::filesystem::path& path) noexcept {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == kInvalidAttributes) {
        return false;
    }
    constexpr DWORD kNotPlain =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return (attributes & kNotPlain) == 0;
}

std::filesystem::path ExecutablePath() {
    // The buffer grows until the whole path fits: long paths can exceed MAX_PATH.
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), size);
        if (length == 0) {
            throw std::runtime_error("Cannot find the program's own file (error " +
                                     std::to_string(::GetLastError()) + ")");
        }
        if (length < size) {
            buffer.resize(length);
            return std::filesystem::path(buffer);
        }
        if (buffer.size() >= 32768) {
            throw std::runtime_error("The program's own path is too long");
        }
        buffer.resize(buffer.size() * 2);
    }
}

ReadOutcome ReadWholeFile(const std::filesystem::path& path, std::string& text) {
    text.clear();
    const HANDLE opened = ::CreateFileW(path.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return ReadOutcome::CannotOpen;
    const WinHandle file(opened);
    char buffer[4096];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr)) {
            return ReadOutcome::CannotRead;
        }
        if (got == 0) return ReadOutcome::Read;
        text.append(buffer, got);
    }
}

}  // namespace bytelora::platform
