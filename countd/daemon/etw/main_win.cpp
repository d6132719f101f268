// bytelora-countd.exe: counts each program's network bytes from the kernel's traffic
// events (Event Tracing for Windows) and tells every user their own programs' counts on
// a named pipe. It runs as the Windows service "bytelora-countd" (as LocalSystem: only it
// may read every process's user and executable), or in the foreground when started from
// a console. `--replay FILE` counts a recorded event file instead of the kernel's events.
//
// Exit codes (and the service's exit code when it stops by itself):
//   0  stopped
//   1  failed in a way a later start may not (the pipe is taken, ...)
//   2  wrong command line
//   3  cannot work here: the trace session cannot be read (not Windows, or no right to).
// Each start writes one line, what it does or why it stopped, to bytelora-countd.log
// beside the executable (a folder only administrators may write, when installed).
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <thread>
#include <vector>

#include "common/WinText.h"
#include "countd/daemon/CounterTable.h"
#include "countd/daemon/etw/EventCounter.h"
#include "countd/daemon/etw/PipeServer_win.h"
#include "countd/daemon/etw/ProcessLookup_win.h"
#include "countd/daemon/etw/ReplayEventSource.h"

namespace {

using namespace bytelora::countd;

constexpr wchar_t kServiceName[] = L"bytelora-countd";
constexpr int kFailed = 1;
constexpr int kWrongUsage = 2;
constexpr int kCannotWorkHere = 3;

constexpr const char* kUsage =
    "usage: bytelora-countd [--pipe NAME] [--replay FILE]\n"
    "  --pipe NAME    serve on the named pipe NAME (default \\\\.\\pipe\\bytelora-countd)\n"
    "  --replay FILE  count the events recorded in FILE instead of the kernel's\n";

struct Options {
    std::string pipe = kDefaultCountdPipe;
    std::string replay;
};

bool ParseOptions(const std::vector<std::string>& args, Options& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if ((args[i] == "--pipe" || args[i] == "--replay") && i + 1 < args.size()) {
            (args[i] == "--pipe" ? options.pipe : options.replay) = args[i + 1];
            ++i;
        } else {
            return false;
        }
    }
    return true;
}

// The command line as UTF-8. (Not through CommandLineToArgvW: shell32 brings user32 and
// a display connection into a service, which makes its start slow enough to time out.)
std::vector<std::string> Arguments(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(bytelora::Narrow(argv[i], CP_UTF8).value_or(""));
    return args;
}

// One line for whoever looks: the console, and the log beside the executable.
void Tell(const std::string& line) {
    std::cerr << "bytelora-countd: " << line << std::endl;
    std::wstring path(MAX_PATH, L'\0');
    const DWORD size = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (size == 0 || size >= path.size()) return;
    path.resize(size);
    path = path.substr(0, path.find_last_of(L'\\') + 1) + L"bytelora-countd.log";
    std::ofstream log(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    log << "bytelora-countd: " << line << "\r\n";
}

const PipeServer* g_server = nullptr;
SERVICE_STATUS_HANDLE g_status = nullptr;
Options g_options;

// The processes a recording describes stand for the system's when it is played: they
// ran on the machine that recorded it, and they "run" for as long as it plays.
struct Processes {
    IdentifyProcess identify;
    ProcessCreated created;
};

Processes SystemProcesses(UserNumbers& users) {
    return {[&users](std::uint32_t pid) { return IdentifyWindowsProcess(pid, users); },
            WindowsProcessCreated};
}

Processes RecordedProcesses(const ReplayEventSource& replay, UserNumbers& users) {
    const auto* recorded = &replay.Processes();
    return {[recorded, &users](std::uint32_t pid) -> std::optional<ProcessIdentity> {
                const auto it = recorded->find(pid);
                if (it == recorded->end()) return std::nullopt;
                const std::string& exe = it->second.executable;
                return ProcessIdentity{it->second.created, users.NumberOf(it->second.sid),
                                       exe.substr(exe.find_last_of('\\') + 1), exe};
            },
            [recorded](std::uint32_t pid) -> std::optional<std::uint64_t> {
                const auto it = recorded->find(pid);
                if (it == recorded->end()) return std::nullopt;
                return it->second.created;
            }};
}

int Serve(const Options& options, const std::function<void()>& running) {
    std::unique_ptr<EventSource> source;
    ReplayEventSource* replay = nullptr;
    if (options.replay.empty()) {
        source = MakeKernelEventSource();
    } else {
        auto file = std::make_unique<ReplayEventSource>(options.replay);
        replay = file.get();
        source = std::move(file);
    }
    if (const std::string problem = source->Open(); !problem.empty()) {
        Tell("cannot count: " + problem);
        return kCannotWorkHere;
    }
    auto listening = PipeServer::Listen(options.pipe, {});
    if (!listening.server) {
        Tell(listening.problem);
        return kFailed;
    }
    PipeServer& server = *listening.server;
    UserNumbers users;
    const Processes processes = replay ? RecordedProcesses(*replay, users) : SystemProcesses(users);
    EventCounter counter(processes.identify, kFileTimeNanoseconds);
    const auto startedUnix = static_cast<std::int64_t>(std::time(nullptr));
    CounterTable table(
        {processes.created, [](std::uint32_t) { return std::string(); }, kFileTimeNanoseconds},
        startedUnix);
    ReplyCache replies;
    std::string ended;
    std::thread events([&] {
        ended = source->Run([&](const RawEvent& event) { counter.Count(event); });
        if (!ended.empty()) server.Stop();
    });
    g_server = &server;
    Tell("counting " +
         (options.replay.empty() ? std::string("the kernel's traffic events")
                                 : "the events recorded in " + options.replay) +
         ", serving " + options.pipe);
    running();
    server.Run(
        [&](const ClientIdentity& client) {
            const std::uint32_t viewer = users.ViewerOf(client);
            return replies.Get(viewer, std::chrono::steady_clock::now(), [&] {
                Reply reply = table.ReplyFor(viewer, counter.Samples(), counter.Unowned());
                reply.lostEvents = source->Lost();
                return WriteReply(reply);
            });
        },
        [&] {
            counter.Recheck(processes.created);
            const auto now = std::chrono::steady_clock::now();
            for (const ProcessKey& key : table.ExitedLongEnough(counter.Samples(), now)) {
                if (auto last = counter.Take(key)) table.Fold(*last);
            }
        });
    g_server = nullptr;
    source->Stop();
    events.join();
    if (!ended.empty()) {
        Tell("stopped: " + ended);
        return kFailed;
    }
    return 0;
}

void SetState(DWORD state, int exitCode = 0) {
    if (!g_status) return;
    SERVICE_STATUS status{};
    status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    status.dwCurrentState = state;
    status.dwControlsAccepted =
        state == SERVICE_RUNNING ? SERVICE_ACCEPT_STOP | SERVICE_ACCEPT_SHUTDOWN : 0;
    if (exitCode != 0) {
        status.dwWin32ExitCode = ERROR_SERVICE_SPECIFIC_ERROR;
        status.dwServiceSpecificExitCode = static_cast<DWORD>(exitCode);
    }
    status.dwWaitHint = state == SERVICE_START_PENDING || state == SERVICE_STOP_PENDING ? 5000 : 0;
    ::SetServiceStatus(g_status, &status);
}

DWORD WINAPI OnControl(DWORD control, DWORD, LPVOID, LPVOID) {
    if (control == SERVICE_CONTROL_STOP || control == SERVICE_CONTROL_SHUTDOWN) {
        SetState(SERVICE_STOP_PENDING);
        if (g_server) g_server->Stop();
        return NO_ERROR;
    }
    return control == SERVICE_CONTROL_INTERROGATE ? NO_ERROR : ERROR_CALL_NOT_IMPLEMENTED;
}

void WINAPI ServiceMain(DWORD, LPWSTR*) {
    g_status = ::RegisterServiceCtrlHandlerExW(kServiceName, OnControl, nullptr);
    SetState(SERVICE_START_PENDING);
    const int code = Serve(g_options, [] { SetState(SERVICE_RUNNING); });
    // A clean stop after a failure keeps the service manager's restart for crashes only.
    SetState(SERVICE_STOPPED, code);
}

BOOL WINAPI OnConsoleStop(DWORD) {
    if (g_server) g_server->Stop();
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (!ParseOptions(Arguments(argc, argv), g_options)) {
        std::cerr << kUsage;
        return kWrongUsage;
    }
    SERVICE_TABLE_ENTRYW services[] = {{const_cast<wchar_t*>(kServiceName), ServiceMain},
                                       {nullptr, nullptr}};
    if (::StartServiceCtrlDispatcherW(services)) return 0;
    if (::GetLastError() != ERROR_FAILED_SERVICE_CONTROLLER_CONNECT) {
        Tell("cannot talk to the service manager (error " + std::to_string(::GetLastError()) + ")");
        return kFailed;
    }
    // Not started by the service manager: in the foreground, until Ctrl+C.
    ::SetConsoleCtrlHandler(OnConsoleStop, TRUE);
    return Serve(g_options, [] {});
}
