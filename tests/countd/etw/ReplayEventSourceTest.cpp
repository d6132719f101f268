#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include "countd/daemon/etw/KernelNetworkEvents.h"
#include "countd/daemon/etw/ReplayEventSource.h"
#include "tests/countd/etw/EventPayloads.h"

namespace bytelora::countd {
namespace {

TEST(Recording, ReadsEventsAndLostCountsAndRefusesMalformedLines) {
    const RecordedEvent event{"{7DD42A49-5329-4832-8DFD-43D979153A88}", 11, 2, test::V4(42, 1500)};
    const std::string text = "# recorded by check-per-application.ps1\n\n" + RecordedLine(event) +
                             "\r\n" + "lost 3\n" + "22FB2CD6-0E7B-422B-A0C7-2FAD1FD0E716 1 0 -\n" +
                             "lost 4\n" +
                             "process 4242 133000000000000000 S-1-5-21-1-2-3-1001 "
                             "C:\\Program Files\\Web Browser\\browser.exe \r\n";
    const RecordingParse parsed = ParseRecording(text);
    ASSERT_TRUE(parsed.recording) << parsed.error;
    ASSERT_EQ(parsed.recording->events.size(), 2u);
    EXPECT_EQ(parsed.recording->events[0].payload, event.payload);
    EXPECT_EQ(parsed.recording->events[0].id, 11);
    EXPECT_EQ(parsed.recording->events[0].version, 2);
    EXPECT_TRUE(parsed.recording->events[1].payload.empty());
    EXPECT_EQ(parsed.recording->lost, 7u);
    ASSERT_EQ(parsed.recording->processes.count(4242), 1u);
    const RecordedProcess& browser = parsed.recording->processes.at(4242);
    EXPECT_EQ(browser.created, 133000000000000000u);
    EXPECT_EQ(browser.sid, "S-1-5-21-1-2-3-1001");
    EXPECT_EQ(browser.executable, "C:\\Program Files\\Web Browser\\browser.exe");
    for (const std::string bad :
         {"p 11 0 0", "p 11 0 zz", "p 11 256 00", "p -1 0 00", "p 11 0", "lost", "lost -1",
          "p 11 0 00 extra", "process 1 2 S-1-5-18", "process x 2 S C:\\a.exe"}) {
        EXPECT_FALSE(ParseRecording("# ok\n" + bad + "\n").recording) << bad;
    }
    EXPECT_EQ(ParseRecording("\n\np 1 0 0\n").error.rfind("line 3", 0), 0u);
}

TEST(ReplayEventSource, PlaysTheFileOnceThenWaitsToBeStopped) {
    const auto path = std::filesystem::temp_directory_path() / "bytelora-replay-test.events";
    {
        std::ofstream out(path, std::ios::binary);
        out << RecordedLine({kKernelNetworkProvider, 10, 0, test::V4(1, 2)}) << "\n"
            << RecordedLine({"{22FB2CD6-0E7B-422B-A0C7-2FAD1FD0E716}", 10, 0, test::V4(1, 2)})
            << "\nlost 9\n";
    }
    ReplayEventSource source(path.string());
    ASSERT_EQ(source.Open(), "");
    std::vector<bool> seen;
    std::atomic<bool> done{false};
    std::thread run([&] {
        source.Run([&](const RawEvent& event) { seen.push_back(event.kernelNetwork); });
        done = true;
    });
    while (source.Lost() == 0) std::this_thread::yield();
    EXPECT_FALSE(done);
    source.Stop();
    run.join();
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
    EXPECT_EQ(source.Lost(), 9u);
    std::filesystem::remove(path);
    EXPECT_NE(ReplayEventSource(path.string()).Open(), "");
}

}  // namespace
}  // namespace bytelora::countd
