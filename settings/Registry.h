#pragma once

#include <windows.h>

#include <string>

namespace bytelora::registry {

// An open registry key, closed when it goes away.
class RegistryKey {
  public:
    RegistryKey() = default;
    explicit RegistryKey(HKEY key) noexcept : key_(key) {}
    ~RegistryKey() { Reset(); }
    RegistryKey(RegistryKey&& other) noexcept : key_(other.Release()) {}
    RegistryKey& operator=(RegistryKey&& other) noexcept {
        if (this != &other) {
            Reset();
            key_ = other.Release();
        }
        return *this;
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    HKEY get() const noexcept { return key_; }
    explicit operator bool() const noexcept { return key_ != nullptr; }
    // For the out-parameter of RegOpenKeyExW and friends; closes what was held.
    HKEY* Receive() noexcept {
        Reset();
        return &key_;
    }
    HKEY Release() noexcept {
        HKEY key = key_;
        key_ = nullptr;
        return key;
    }
    void Reset() noexcept {
        if (key_ != nullptr) RegCloseKey(key_);
        key_ = nullptr;
    }

  private:
    HKEY key_ = nullptr;
};

// Writes one value into an open key and gives the registry's result code. REG_SZ
// stores `value` with its terminating NUL counted in the size; REG_DWORD stores
// `value` read as a decimal 32-bit number, size 4 (ERROR_INVALID_DATA and nothing
// written when it is not one); any other type writes nothing and gives 0.
LSTATUS SetTypedValue(HKEY key, const std::wstring& valueName, DWORD type,
                      const std::wstring& value);

// Opens root\keyPath, creating it when missing, and writes the value through
// SetTypedValue. Throws StartupRegistrationError naming the key and the value.
void SetKeyValue(HKEY root, const std::wstring& keyPath, const std::wstring& valueName,
                 const std::wstring& value, DWORD type);

// Deletes the value; a key or value that is not there is no failure. Throws
// StartupRegistrationError for every other refusal.
void DeleteKeyValue(HKEY root, const std::wstring& keyPath, const std::wstring& valueName);

// "HKEY_CURRENT_USER\<keyPath>" and the like, for messages (UTF-8).
std::string KeyName(HKEY root, const std::wstring& keyPath);
// The system's text for a registry result code, with the code (UTF-8).
std::string ErrorText(LSTATUS code);
std::string ToUtf8(const std::wstring& text);

}  // namespace bytelora::registry
