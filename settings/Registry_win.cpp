#include "settings/Registry.h"

#include <cwctype>
#include <limits>

#include "common/Translate.h"
#include "common/WinText.h"
#include "settings/StartupRegistration.h"

namespace bytelora::registry {

namespace {

bool ParseDword(const std::wstring& text, DWORD& number) {
    if (text.empty()) return false;
    unsigned long long value = 0;
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9') return false;
        value = value * 10 + static_cast<unsigned long long>(c - L'0');
        if (value > std::numeric_limits<DWORD>::max()) return false;
    }
    number = static_cast<DWORD>(value);
    return true;
}

enum class Change { Write, Delete };

[[noreturn]] void Fail(Change change, HKEY root, const std::wstring& keyPath,
                       const std::wstring& valueName, LSTATUS code) {
    const std::string sentence =
        change == Change::Write
            ? Translate("bytelora::Settings",
                        "Bytelora could not write the registry value \"%1\" under %2: %3")
            : Translate("bytelora::Settings",
                        "Bytelora could not delete the registry value \"%1\" under %2: %3");
    throw StartupRegistrationError(
        FillIn(sentence, {ToUtf8(valueName), KeyName(root, keyPath), ErrorText(code)}));
}

}  // namespace

std::string ToUtf8(const std::wstring& text) {
    return Narrow(text, CP_UTF8).value_or("");
}

std::string KeyName(HKEY root, const std::wstring& keyPath) {
    std::string name;
    if (root == HKEY_CURRENT_USER) {
        name = "HKEY_CURRENT_USER";
    } else if (root == HKEY_LOCAL_MACHINE) {
        name = "HKEY_LOCAL_MACHINE";
    } else if (root == HKEY_CLASSES_ROOT) {
        name = "HKEY_CLASSES_ROOT";
    } else if (root == HKEY_USERS) {
        name = "HKEY_USERS";
    } else {
        name = "the registry";
    }
    return keyPath.empty() ? name : name + "\\" + ToUtf8(keyPath);
}

std::string ErrorText(LSTATUS code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text;
    if (length > 0 && buffer != nullptr) text.assign(buffer, length);
    if (buffer != nullptr) LocalFree(buffer);
    while (!text.empty() && std::iswspace(static_cast<wint_t>(text.back()))) text.pop_back();
    const auto number = " (error " + std::to_string(code) + ")";
    return text.empty() ? "error " + std::to_string(code) : ToUtf8(text) + number;
}

LSTATUS SetTypedValue(HKEY key, const std::wstring& valueName, DWORD type,
                      const std::wstring& value) {
    switch (type) {
        case REG_SZ: {
            const auto size = (value.size() + 1) * sizeof(wchar_t);
            if (size > std::numeric_limits<DWORD>::max()) return ERROR_INVALID_DATA;
            return RegSetValueExW(key, valueName.c_str(), 0, REG_SZ,
                                  reinterpret_cast<const BYTE*>(value.c_str()),
                                  static_cast<DWORD>(size));
        }
        case REG_DWORD: {
            DWORD number = 0;
            if (!ParseDword(value, number)) return ERROR_INVALID_DATA;
            return RegSetValueExW(key, valueName.c_str(), 0, REG_DWORD,
                                  reinterpret_cast<const BYTE*>(&number), sizeof number);
        }
        default:
            return ERROR_SUCCESS;
    }
}

void SetKeyValue(HKEY root, const std::wstring& keyPath, const std::wstring& valueName,
                 const std::wstring& value, DWORD type) {
    RegistryKey key;
    // Only the rights this needs, so that a key the user may only add values to works.
    const LSTATUS opened =
        RegCreateKeyExW(root, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE | KEY_QUERY_VALUE, nullptr, key.Receive(), nullptr);
    if (opened != ERROR_SUCCESS) Fail(Change::Write, root, keyPath, valueName, opened);
    const LSTATUS written = SetTypedValue(key.get(), valueName, type, value);
    if (written != ERROR_SUCCESS) Fail(Change::Write, root, keyPath, valueName, written);
}

void DeleteKeyValue(HKEY root, const std::wstring& keyPath, const std::wstring& valueName) {
    RegistryKey key;
    const LSTATUS opened = RegOpenKeyExW(root, keyPath.c_str(), 0, KEY_SET_VALUE, key.Receive());
    if (opened == ERROR_FILE_NOT_FOUND) return;
    if (opened != ERROR_SUCCESS) Fail(Change::Delete, root, keyPath, valueName, opened);
    const LSTATUS deleted = RegDeleteValueW(key.get(), valueName.c_str());
    if (deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND) return;
    Fail(Change::Delete, root, keyPath, valueName, deleted);
}

}  // namespace bytelora::registry
