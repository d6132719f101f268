#include <gtest/gtest.h>

#include <windows.h>

#include <QDir>
#include <QFile>
#include <QLockFile>

#include <fstream>
#include <string>

#include "SingleInstanceRig.h"

namespace bytelora::testing {
namespace {

using namespace std::chrono_literals;
using Role = SingleInstance::Role;

// The id of a process that has ended: a command interpreter that exits at once.
DWORD DeadProcessId() {
    std::wstring command = L"cmd.exe /c exit 0";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                          nullptr, nullptr, &startup, &process)) {
        ADD_FAILURE() << "could not start cmd.exe";
        return 0;
    }
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return process.dwProcessId;
}

TEST(SingleInstance, ALockLeftByACrashDoesNotBlockTheNextStart) {
    TempDir dir;
    LeaveLockOfDeadProcess(dir, In(dir).lockFile, static_cast<qulonglong>(DeadProcessId()));

    SingleInstance next(In(dir), 200ms);
    ASSERT_EQ(next.Claim(), Role::First);
    EXPECT_TRUE(next.Problem().isEmpty()) << next.Problem().toStdString();

    Activations activations(next);
    EXPECT_EQ(ClaimAsLaterStart(In(dir), 500ms), Role::HandedOver);
    EXPECT_EQ(activations.WaitFor(1), 1);
}

// Pipe names are machine-wide: the user's meeting place names the user and the session,
// and its lock lies in the user's temporary folder.
TEST(SingleInstance, TheUsersMeetingPlaceNamesUserAndSession) {
    const InstanceLocation location = UserInstanceLocation();
    DWORD session = 0;
    ASSERT_TRUE(::ProcessIdToSessionId(::GetCurrentProcessId(), &session));
    const std::string suffix = "-" + std::to_string(session);
    EXPECT_EQ(location.serverName.rfind("bytelora-", 0), 0u) << location.serverName;
    EXPECT_GT(location.serverName.size(), std::string("bytelora-").size() + suffix.size());
    EXPECT_EQ(location.serverName.substr(location.serverName.size() - suffix.size()), suffix);
    EXPECT_EQ(location.serverName.find_first_of("\\/"), std::string::npos);
    EXPECT_EQ(location.lockFile.filename().string(), location.serverName + ".lock");
    EXPECT_EQ(location.lockFile.parent_path(), std::filesystem::path(QDir::tempPath().toStdWString()));
}

}  // namespace
}  // namespace bytelora::testing
