#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

#include "cli/AppsCommand.h"
#include "common/UniqueFd.h"
#include "countd/protocol/StartBaseline.h"
#include "support/FakeInterfaceTable.h"
#include "support/TempDir.h"

namespace bytelora::cli {
namespace {

// A counter that answers one client with a fixed text.
class CannedCounter {
  public:
    CannedCounter(const std::string& path, std::string reply) : reply_(std::move(reply)) {
        listener_.Reset(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.data(), path.size());
        EXPECT_EQ(::bind(listener_.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address),
                  0);
        EXPECT_EQ(::listen(listener_.Get(), 1), 0);
        thread_ = std::thread([this] {
            UniqueFd client(::accept(listener_.Get(), nullptr, nullptr));
            char request[8];
            [[maybe_unused]] const ssize_t got = ::recv(client.Get(), request, sizeof request, 0);
            [[maybe_unused]] const ssize_t sent =
                ::send(client.Get(), reply_.data(), reply_.size(), MSG_NOSIGNAL);
        });
    }
    ~CannedCounter() { thread_.join(); }

  private:
    std::string reply_;
    UniqueFd listener_;
    std::thread thread_;
};

TEST(AppsCommand, ParsesWithOrWithoutJson) {
    auto parsed = ParseCommandLine({"apps", "--json"});
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->command, Command::Apps);
    EXPECT_EQ(parsed.options->format, UsageFormat::Json);
    EXPECT_EQ(ParseCommandLine({"apps"}).options->format, UsageFormat::Table);
    EXPECT_FALSE(ParseCommandLine({"apps", "--csv"}).options);
}

TEST(AppsCommand, WithoutTheCounterOneLineAndExitOne) {
    testing::TempDir dir;
    testing::FakeInterfaceTable table;
    std::ostringstream out, err;
    EXPECT_EQ(Apps({}, table, {}, (dir / "countd.socket").string(), out, err), 1);
    EXPECT_EQ(out.str(), "");
    const std::string line = err.str();
    EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
    EXPECT_NE(line.find("sudo systemctl enable --now bytelora-countd"), std::string::npos);
}

TEST(AppsCommand, PrintsTheApplicationsAndWhatNoProgramOwnsSinceTheCounterStarted) {
    testing::TempDir dir;
    const std::string socket = (dir / "countd.socket").string();
    testing::FakeInterfaceTable table;
    table.AddRow("eth0", 2, kIfTypeEthernet, 100000, 20000);
    // The counter started when eth0 had moved 40000 and 5000 bytes, in no packets.
    std::ofstream(countd::BaselinePathFor(socket))
        << "bytelora-countd-start\t1\t1765000000\neth0\t6\t40000\t5000\t0\nend\n";
    CannedCounter counter(socket,
                          "bytelora-countd\t1\t1765000000\n"
                          "process\t10\t5\t1000\t50000\t9000\tcurl\t/usr/bin/curl\t\n"
                          "exited\t1000\t1000\t1000\t/usr/bin/wget\n"
                          "end\n");
    CliOptions options;
    options.format = UsageFormat::Json;
    std::ostringstream out, err;
    ASSERT_EQ(Apps(options, table, {"eth0"}, socket, out, err), 0) << err.str();
    EXPECT_EQ(
        out.str(),
        "{\"unit\":\"bytes\",\"applications\":["
        "{\"name\":\"curl\",\"executable\":\"/usr/bin/curl\",\"received\":50000,\"sent\":9000},"
        "{\"name\":\"wget\",\"executable\":\"/usr/bin/wget\",\"received\":1000,\"sent\":1000}],"
        "\"other\":{\"received\":9000,\"sent\":5000},\"refused\":0}\n");
}

TEST(AppsCommand, ABaselineOfAnotherStartIsNotUsed) {
    testing::TempDir dir;
    const std::string socket = (dir / "countd.socket").string();
    testing::FakeInterfaceTable table;
    table.AddRow("eth0", 2, kIfTypeEthernet, 100000, 20000);
    std::ofstream(countd::BaselinePathFor(socket))
        << "bytelora-countd-start\t1\t1\neth0\t6\t40000\t5000\t0\nend\n";
    CannedCounter counter(socket, "bytelora-countd\t1\t1765000000\nend\n");
    std::ostringstream out, err;
    ASSERT_EQ(Apps({}, table, {"eth0"}, socket, out, err), 0);
    EXPECT_NE(out.str().find("not known"), std::string::npos) << out.str();
}

TEST(AppsCommand, TheTableLetsNoControlCharacterThrough) {
    const countd::AppNames none({}, {});
    countd::Reply reply;
    reply.processes.push_back({1, 1, 0, {3 << 20, 4}, "x", "/tmp/\x1b[2Jevil", ""});
    reply.untagged = countd::ByteCounts{};
    const std::string table =
        AppsTable(countd::GroupByApplication(reply, none, countd::ByteCounts{5 << 20, 4}));
    EXPECT_EQ(table.find('\x1b'), std::string::npos);
    EXPECT_NE(table.find("?[2Jevil"), std::string::npos);
    EXPECT_NE(table.find("3.0 MB"), std::string::npos);
    EXPECT_NE(
        table.find(
            "Other (traffic no local program owns: forwarded, bridged): 2.0 MB received, 0 B sent"),
        std::string::npos)
        << table;
}

TEST(AppsCommand, TheTableSaysHowManyProgramsTheCounterCouldNotTellApart) {
    const countd::AppNames none({}, {});
    countd::Reply reply;
    reply.processes.push_back({1, 1, 1000, {3, 4}, "x", "/usr/bin/x", ""});
    const auto tableWith = [&](std::optional<std::uint64_t> refused) {
        reply.refused = refused;
        return AppsTable(countd::GroupByApplication(reply, none, std::nullopt));
    };
    EXPECT_EQ(tableWith(std::nullopt).find("told apart"), std::string::npos);
    EXPECT_EQ(tableWith(0).find("told apart"), std::string::npos);
    EXPECT_NE(tableWith(1).find("\n1 program could not be told apart; its bytes are in Other\n"),
              std::string::npos);
    EXPECT_NE(
        tableWith(42).find("\n42 programs could not be told apart; their bytes are in Other\n"),
        std::string::npos);
}

}  // namespace
}  // namespace bytelora::cli
