#include "settings/RunKeyRegistration.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/Registry.h"
#include "support/RefusalText.h"

namespace bytelora {
namespace {

// A scratch key of its own below HKEY_CURRENT_USER, removed with everything in it.
class ScratchKey {
  public:
    ScratchKey()
        : path_(L"Software\\Bytelora-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(GetTickCount64())) {}
    ~ScratchKey() { RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str()); }
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;
    const std::wstring& path() const { return path_; }

  private:
    std::wstring path_;
};

struct StoredValue {
    LSTATUS result = ERROR_SUCCESS;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

StoredValue Read(const std::wstring& keyPath, const std::wstring& name) {
    StoredValue value;
    DWORD size = 0;
    value.result = RegGetValueW(HKEY_CURRENT_USER, keyPath.c_str(), name.c_str(), RRF_RT_ANY,
                                &value.type, nullptr, &size);
    if (value.result != ERROR_SUCCESS) return value;
    value.data.resize(size);
    value.result = RegGetValueW(HKEY_CURRENT_USER, keyPath.c_str(), name.c_str(),
                                RRF_RT_ANY | RRF_NOEXPAND, &value.type, value.data.data(), &size);
    value.data.resize(size);
    return value;
}

std::vector<BYTE> Bytes(const std::wstring& text) {
    const auto* begin = reinterpret_cast<const BYTE*>(text.c_str());
    return {begin, begin + (text.size() + 1) * sizeof(wchar_t)};
}

TEST(SetTypedValue, WritesTextWithItsNulNumbersAsFourBytesAndNothingElse) {
    ScratchKey scratch;
    registry::RegistryKey key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, scratch.path().c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, key.Receive(), nullptr),
              ERROR_SUCCESS);

    EXPECT_EQ(registry::SetTypedValue(key.get(), L"Text", REG_SZ, L"C:\\a b\\x.exe"),
              ERROR_SUCCESS);
    const auto text = Read(scratch.path(), L"Text");
    EXPECT_EQ(text.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(text.data, Bytes(L"C:\\a b\\x.exe"));

    EXPECT_EQ(registry::SetTypedValue(key.get(), L"Number", REG_DWORD, L"4294967295"),
              ERROR_SUCCESS);
    const auto number = Read(scratch.path(), L"Number");
    EXPECT_EQ(number.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(number.data, (std::vector<BYTE>{0xFF, 0xFF, 0xFF, 0xFF}));

    EXPECT_EQ(registry::SetTypedValue(key.get(), L"Bad", REG_DWORD, L"12x"),
              static_cast<LSTATUS>(ERROR_INVALID_DATA));
    EXPECT_EQ(registry::SetTypedValue(key.get(), L"Other", REG_BINARY, L"abc"), ERROR_SUCCESS);
    EXPECT_EQ(Read(scratch.path(), L"Bad").result, static_cast<LSTATUS>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(Read(scratch.path(), L"Other").result, static_cast<LSTATUS>(ERROR_FILE_NOT_FOUND));
}

TEST(RunKeyRegistration, WritesTheQuotedPathUnderTheFileNameAndDeletesIt) {
    ScratchKey scratch;
    RunKeyRegistration registration(HKEY_CURRENT_USER, scratch.path());
    const std::filesystem::path program = L"C:\\Program Files\\Byte Lora\\bytelora.exe";

    registration.Register(program);
    const auto stored = Read(scratch.path(), L"bytelora.exe");
    ASSERT_EQ(stored.result, ERROR_SUCCESS);
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored.data, Bytes(L"\"C:\\Program Files\\Byte Lora\\bytelora.exe\""));

    // Registering again after the program moved overwrites the value.
    const std::filesystem::path moved = L"D:\\Tools\\bytelora.exe";
    registration.Register(moved);
    EXPECT_EQ(Read(scratch.path(), L"bytelora.exe").data, Bytes(L"\"D:\\Tools\\bytelora.exe\""));

    registration.Unregister(program);
    EXPECT_EQ(Read(scratch.path(), L"bytelora.exe").result,
              static_cast<LSTATUS>(ERROR_FILE_NOT_FOUND));
    registration.Unregister(program);  // already gone
}

TEST(RunKeyRegistration, ARootFolderProgramHasNoDoubledBackslash) {
    EXPECT_EQ(RunKeyRegistration::ValueData(L"D:\\bytelora.exe"), L"\"D:\\bytelora.exe\"");
    EXPECT_EQ(RunKeyRegistration::ValueName(L"D:\\bytelora.exe"), L"bytelora.exe");
}

TEST(RunKeyRegistration, ARefusedWriteOrDeleteIsReported) {
    // A root handle that names no open key: every registry call on it is refused.
    const auto bogus = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x7654));
    RunKeyRegistration registration(bogus, L"Software\\Run");
    const auto refused = [&](auto call) {
        return testing::RefusalText<StartupRegistrationError>(call);
    };
    for (const std::string& what :
         {refused([&] { registration.Register(L"C:\\bytelora.exe"); }),
          refused([&] { registration.Unregister(L"C:\\bytelora.exe"); })}) {
        EXPECT_NE(what.find("\"bytelora.exe\""), std::string::npos) << what;
        EXPECT_NE(what.find("Software\\Run"), std::string::npos) << what;
        EXPECT_NE(what.find("(error "), std::string::npos) << what;
    }
}

}  // namespace
}  // namespace bytelora
