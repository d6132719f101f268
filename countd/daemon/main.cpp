// bytelora-countd: counts each local program's network bytes with eBPF programs and
// tells every local user their own programs' counts on a Unix socket. It needs root
// only to load the programs; then it runs as its own user with no capabilities.
//
// Exit codes:
//   0  stopped (SIGTERM or SIGINT)
//   1  failed in a way a later start may not (the socket is in use, a file cannot be
//      made, root cannot be given up, ...)
//   2  wrong command line
//   3  cannot work here until something changes, so starting again is pointless: not
//      started as root, no cgroup v2 tree, the kernel refuses the counting programs or
//      the reading of their counts without root, or the socket's folder is unsafe. The
//      service does not restart on it.
#include <signal.h>
#include <unistd.h>

#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <string>
#include <vector>

#include "countd/daemon/BpfCounter.h"
#include "countd/daemon/CountdServer.h"
#include "countd/daemon/CounterTable.h"
#include "countd/daemon/DropPrivileges.h"
#include "countd/daemon/ProcFiles.h"
#include "countd/daemon/RuntimeFolder.h"
#include "countd/protocol/CountdProtocol.h"
#include "countd/protocol/FileText.h"
#include "countd/protocol/StartBaseline.h"
#include "netstats/InterfaceTableSource.h"
#include "netstats/InterfaceTotals.h"

namespace {

using namespace bytelora::countd;

const CountdServer* g_server = nullptr;

void StopOnSignal(int) {
    if (g_server) g_server->Stop();
}

constexpr const char* kUsage =
    "usage: bytelora-countd [--socket PATH] [--user NAME]\n"
    "  --socket PATH  serve on PATH (default "
    "/run/bytelora/countd.socket)\n"
    "  --user NAME    the user to run as after loading (default bytelora-countd,\n"
    "                 else nobody)\n";

struct Options {
    std::string socket = kDefaultCountdSocket;
    std::string user = "bytelora-countd";
};

bool ParseOptions(int argc, char** argv, Options& options) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        if ((args[i] == "--socket" || args[i] == "--user") && i + 1 < args.size()) {
            (args[i] == "--socket" ? options.socket : options.user) = args[i + 1];
            ++i;
        } else {
            return false;
        }
    }
    return true;
}

// Leaves the interface counters of this start beside the socket, for the clients'
// "other" (see StartBaseline.h).
std::string WriteStartBaseline(const std::string& socketPath, std::int64_t startedUnix) {
    auto source = bytelora::MakeSystemInterfaceTable();
    bytelora::InterfaceTotals helper(*source);
    const auto table = helper.Interfaces();
    const std::string text = WriteBaseline(BaselineOf(startedUnix, *table));
    const std::string path = BaselinePathFor(socketPath);
    const std::string folder = FolderOf(path);
    const std::string name = path.substr(path.find_last_of('/') + 1);  // npos + 1 is 0
    if (const std::string problem = WriteNewFile(folder, name, text); !problem.empty()) {
        return problem + "; \"other\" will not be known";
    }
    return {};
}

constexpr int kFailed = 1;
constexpr int kWrongUsage = 2;
constexpr int kCannotWorkHere = 3;

int Fail(const std::string& message, int code = kFailed) {
    std::cerr << "bytelora-countd: " << message << '\n';
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::cerr << kUsage;
        return kWrongUsage;
    }
    if (::geteuid() != 0)
        return Fail("must be started as root, to load its kernel programs", kCannotWorkHere);
    const std::string cgroupRoot = Cgroup2MountFromMountInfo(ReadFileText("/proc/self/mountinfo"));
    if (cgroupRoot.empty())
        return Fail("no cgroup v2 tree is mounted; the counter needs one", kCannotWorkHere);
    // Under systemd the unit's RuntimeDirectory makes the folder; started by hand, the
    // default one is made here. Any folder, the default too, must be root's alone: the
    // socket and the start file are made there as root.
    if (options.socket == kDefaultCountdSocket)
        ::mkdir(FolderOf(kDefaultCountdSocket).c_str(), 0755);
    if (const std::string unsafe = CheckRuntimeFolder(FolderOf(options.socket)); !unsafe.empty()) {
        return Fail(unsafe, kCannotWorkHere);
    }

    // Set by the tests only, to run the fallback of kernels before 6.3 on a newer one.
    const char* withoutFirstUse = std::getenv("BYTELORA_COUNTD_TEST_WITHOUT_FIRST_USE");
    auto loaded = BpfCounter::Load(cgroupRoot, !withoutFirstUse || *withoutFirstUse == '\0');
    if (!loaded.counter) return Fail(loaded.problem, kCannotWorkHere);
    BpfCounter& counter = *loaded.counter;
    auto listening = CountdServer::Listen(options.socket);
    if (!listening.server) return Fail(listening.problem);
    CountdServer& server = *listening.server;
    const auto startedUnix = static_cast<std::int64_t>(std::time(nullptr));
    if (const std::string problem = WriteStartBaseline(options.socket, startedUnix);
        !problem.empty()) {
        std::cerr << "bytelora-countd: " << problem << '\n';
    }

    const DropResult dropped = DropPrivileges(options.user);
    if (!dropped.dropped) return Fail("cannot give up root: " + dropped.problem);
    if (const std::string refused = counter.ProbeRead(); !refused.empty()) {
        const std::string why = "the kernel refuses the counter's reads without root: " + refused;
        return Fail(why +
                        " (kernels before 5.19 do while kernel.unprivileged_bpf_disabled is "
                        "set: set it to 0, or use a newer kernel)",
                    kCannotWorkHere);
    }

    g_server = &server;
    struct sigaction stop {};
    stop.sa_handler = StopOnSignal;
    ::sigaction(SIGTERM, &stop, nullptr);
    ::sigaction(SIGINT, &stop, nullptr);
    ::signal(SIGPIPE, SIG_IGN);

    ProcessProbe probe{ReadStartTicks, ReadUnit,
                       1'000'000'000ULL / static_cast<std::uint64_t>(::sysconf(_SC_CLK_TCK))};
    CounterTable table(probe, startedUnix);
    ReplyCache replies;
    std::cerr << "bytelora-countd: counting at " << cgroupRoot << ", serving " << options.socket
              << ", running as " << dropped.user << " with no capabilities"
              << (counter.TagsOldSockets()
                      ? ""
                      : "; sockets older than the counter are counted as untagged")
              << '\n';
    server.Run(
        [&](std::uint32_t uid) {
            return replies.Get(uid, std::chrono::steady_clock::now(), [&] {
                return WriteReply(
                    table.ReplyFor(uid, counter.ReadProcesses(), counter.ReadUnowned()));
            });
        },
        [&] {
            const auto now = std::chrono::steady_clock::now();
            for (const ProcessKey& key : table.ExitedLongEnough(counter.ReadProcesses(), now)) {
                if (auto last = counter.Take(key)) table.Fold(*last);
            }
        });
    g_server = nullptr;
    return 0;
}
