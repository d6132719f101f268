// The table read against the real kernel in a private network namespace of the test's
// own, where nothing else changes the links or sends a byte: a read that takes only the
// counters must give what a full read gives, a change to the links must show at the next
// read, and the counters must follow the traffic byte for byte. Needs root.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sched.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "SameRecords.h"
#include "common/UniqueFd.h"
#include "netstats/LinuxInterfaceTable.h"
#include "support/NetworkNamespace.h"
#include "support/TempDir.h"

namespace bytelora {
namespace {

using testing::Shell;

// Moves this thread (and the commands it starts) into a new, unnamed network namespace,
// and back when it goes; the namespace goes with the last socket in it.
class PrivateNetwork {
  public:
    PrivateNetwork() : home_(::open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC)) {
        entered_ = home_.Valid() && ::unshare(CLONE_NEWNET) == 0;
    }
    ~PrivateNetwork() {
        if (entered_ && ::setns(home_.Get(), CLONE_NEWNET) != 0) std::abort();
    }
    PrivateNetwork(const PrivateNetwork&) = delete;
    PrivateNetwork& operator=(const PrivateNetwork&) = delete;
    bool Entered() const { return entered_; }

  private:
    UniqueFd home_;
    bool entered_ = false;
};

#define ENTER_PRIVATE_NETWORK(name)                                                   \
    if (::geteuid() != 0) GTEST_SKIP() << "needs root for a network namespace";       \
    PrivateNetwork name;                                                              \
    if (!name.Entered()) GTEST_SKIP() << "network namespaces are not permitted here"; \
    ASSERT_TRUE(Shell("ip link set lo up"));                                          \
    if (!Shell("ip link add v0 type veth peer name v1")) GTEST_SKIP() << "no veth links"

InterfaceTable Full() {
    InterfaceTable table;
    EXPECT_EQ(LinuxInterfaceTable().Read(table), TableReadResult::Ok);
    return table;
}

const InterfaceRow* Find(const InterfaceTable& table, const std::string& name) {
    for (const auto& row : table) {
        if (row->InterfaceName() == name) return row.get();
    }
    return nullptr;
}

// The row of that name, or an empty record when there is none.
const InterfaceRow& Row(const InterfaceTable& table, const std::string& name) {
    static const InterfaceRow missing;
    const InterfaceRow* row = Find(table, name);
    return row != nullptr ? *row : missing;
}

TEST(LinkChanges, EachChangeShowsAtTheNextReadAndTheReadAfterTakesOnlyCounters) {
    ENTER_PRIVATE_NETWORK(network);
    LinuxInterfaceTable source;
    InterfaceTable table;
    ASSERT_EQ(source.Read(table), TableReadResult::Ok);
    ASSERT_EQ(source.FullReads(), 1u);

    // Each leaves the links' carriers down (v1 stays down), so no byte moves.
    const std::pair<const char*, bool (*)(const InterfaceTable&)> changes[] = {
        {"link set v0 mtu 1400",
         [](const InterfaceTable& t) { return Row(t, "v0").MaximumTransmissionUnit() == 1400; }},
        {"link set v0 up",
         [](const InterfaceTable& t) { return Row(t, "v0").AdminStatus() == kIfStatusUp; }},
        {"link set v0 address 02:00:00:00:00:07",
         [](const InterfaceTable& t) {
             return Row(t, "v0").AdapterAddress() == "2-00-00-00-00-7";
         }},
        {"link set v1 name w1", [](const InterfaceTable& t) { return Find(t, "w1") != nullptr; }},
        {"link add b0 type bridge",
         [](const InterfaceTable& t) { return Find(t, "b0") != nullptr; }},
        {"link set b0 up",
         [](const InterfaceTable& t) { return Row(t, "b0").AdminStatus() == kIfStatusUp; }},
        {"link del b0", [](const InterfaceTable& t) { return Find(t, "b0") == nullptr; }},
        {"link set v0 down",
         [](const InterfaceTable& t) { return Row(t, "v0").AdminStatus() == kIfStatusDown; }},
        {"link del v0", [](const InterfaceTable& t) { return t.Count() == 1; }},
    };
    for (const auto& [command, holds] : changes) {
        SCOPED_TRACE(command);
        // One read that takes only the counters, then the change.
        InterfaceTable before;
        ASSERT_EQ(source.Read(before), TableReadResult::Ok);
        testing::ExpectSameRecords(before, Full(), true);
        const std::uint64_t fullReads = source.FullReads();
        ASSERT_TRUE(Shell(std::string("ip ") + command));

        InterfaceTable after;
        ASSERT_EQ(source.Read(after), TableReadResult::Ok);
        EXPECT_TRUE(holds(after));
        testing::ExpectSameRecords(after, Full(), true);
        EXPECT_EQ(source.FullReads(), fullReads + 1);
        InterfaceTable next;
        ASSERT_EQ(source.Read(next), TableReadResult::Ok);
        testing::ExpectSameRecords(next, Full(), true);
        EXPECT_EQ(source.FullReads(), fullReads + 1);
    }
}

TEST(LinkChanges, AFloodOfChangesThatOverrunsTheWatchStillShows) {
    ENTER_PRIVATE_NETWORK(network);
    LinuxInterfaceTable source;
    InterfaceTable first;
    ASSERT_EQ(source.Read(first), TableReadResult::Ok);
    InterfaceTable second;
    ASSERT_EQ(source.Read(second), TableReadResult::Ok);
    const std::uint64_t fullReads = source.FullReads();

    // Far more notifications than the watch's queue holds.
    testing::TempDir dir;
    const auto batch = dir / "changes";
    {
        std::ofstream lines(batch);
        for (int i = 0; i < 3000; ++i) lines << "link set v0 mtu " << 1300 + i % 100 << '\n';
        lines << "link set v0 mtu 1234\n";
    }
    ASSERT_TRUE(Shell("ip -batch " + batch.string()));
    InterfaceTable after;
    ASSERT_EQ(source.Read(after), TableReadResult::Ok);
    EXPECT_EQ(Row(after, "v0").MaximumTransmissionUnit(), 1234u);
    EXPECT_EQ(source.FullReads(), fullReads + 1);
    InterfaceTable next;
    ASSERT_EQ(source.Read(next), TableReadResult::Ok);
    testing::ExpectSameRecords(next, Full(), true);
    EXPECT_EQ(source.FullReads(), fullReads + 1);
}

// Sends `count` UDP datagrams of 1000 bytes over the loopback link: each is 1028 bytes
// there (with the UDP and IPv4 headers; loopback counts without its link header), counted
// once received and once sent.
constexpr std::uint64_t kDatagramBytes = 1000 + 8 + 20;
void SendOverLoopback(int count) {
    UniqueFd receiver(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    UniqueFd sender(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    ASSERT_TRUE(receiver.Valid() && sender.Valid());
    sockaddr_in to{};
    to.sin_family = AF_INET;
    ::inet_pton(AF_INET, "127.0.0.1", &to.sin_addr);
    socklen_t length = sizeof(to);
    // A listener, so that no "port unreachable" comes back.
    ASSERT_EQ(::bind(receiver.Get(), reinterpret_cast<const sockaddr*>(&to), sizeof(to)), 0);
    ASSERT_EQ(::getsockname(receiver.Get(), reinterpret_cast<sockaddr*>(&to), &length), 0);
    const std::string payload(1000, 'x');
    for (int i = 0; i < count; ++i) {
        ASSERT_EQ(::sendto(sender.Get(), payload.data(), payload.size(), 0,
                           reinterpret_cast<const sockaddr*>(&to), sizeof(to)),
                  static_cast<ssize_t>(payload.size()));
    }
}

TEST(LinkChanges, CountersFollowTheTrafficExactlyWhicheverWayTheyAreRead) {
    ENTER_PRIVATE_NETWORK(network);
    LinuxInterfaceTable source;
    const auto loopback = [&](std::uint64_t& received, std::uint64_t& sent) {
        InterfaceTable table;
        ASSERT_EQ(source.Read(table), TableReadResult::Ok);
        testing::ExpectSameRecords(table, Full(), true);
        received = Row(table, "lo").OctetsReceived();
        sent = Row(table, "lo").OctetsSent();
    };
    std::uint64_t received = 0, sent = 0, expected = 0;
    loopback(received, sent);
    const std::uint64_t received0 = received, sent0 = sent;
    int datagrams = 0;
    // Counters-only reads, a full read after a change, and counters-only reads again.
    const char* between[] = {nullptr, nullptr, "ip link set v0 mtu 1400",
                             nullptr, nullptr, "ip link add b0 type bridge",
                             nullptr};
    for (const char* change : between) {
        datagrams += 50;
        SendOverLoopback(50);
        if (change != nullptr) {
            ASSERT_TRUE(Shell(change));
        }
        loopback(received, sent);
        expected = static_cast<std::uint64_t>(datagrams) * kDatagramBytes;
        EXPECT_EQ(received - received0, expected);
        EXPECT_EQ(sent - sent0, expected);
    }
    EXPECT_EQ(source.FullReads(), 3u);
}

}  // namespace
}  // namespace bytelora
