// Two running copies of the program appending to one history log at once.
#include <spawn.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/FileBytes.h"
#include "support/LogLines.h"
#include "support/TempDir.h"

extern char** environ;

namespace bytelora {
namespace {

using testing::LogLines;
using testing::ReadFileBytes;
using testing::SplitLogLines;

pid_t StartWriter(const std::string& log, const std::string& name, int lines) {
    std::vector<std::string> args = {BYTELORA_LOG_WRITER, log, name, std::to_string(lines)};
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (::posix_spawn(&pid, BYTELORA_LOG_WRITER, nullptr, nullptr, argv.data(), environ) != 0) {
        return -1;
    }
    return pid;
}

TEST(ConcurrentWriters, TwoProgramsOfFiveThousandLinesEachNeverTearOrMix) {
    testing::TempDir dir;
    const std::string log = (dir / "Bytelora.txt").string();
    constexpr int kLines = 5000;
    const pid_t first = StartWriter(log, "alpha", kLines);
    const pid_t second = StartWriter(log, "omega", kLines);
    ASSERT_GT(first, 0);
    ASSERT_GT(second, 0);
    for (const pid_t writer : {first, second}) {
        int status = 0;
        ASSERT_EQ(::waitpid(writer, &status, 0), writer);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }

    const LogLines text = SplitLogLines(ReadFileBytes(log));
    ASSERT_TRUE(text.whole) << "the log ends in a partial line";
    std::map<std::string, long> next;
    for (const std::string& line : text.lines) {
        std::istringstream fields(line);
        std::string name;
        long n = -1;
        fields >> name >> n;
        ASSERT_TRUE(name == "alpha" || name == "omega") << line;
        ASSERT_EQ(n, next[name]) << "out of order or torn: " << line;
        const auto padding = static_cast<std::size_t>((n * 37) % 211);
        ASSERT_EQ(line, name + " " + std::to_string(n) + " " + std::string(padding, name.front()));
        ++next[name];
    }
    EXPECT_EQ(text.lines.size(), 2u * kLines);
    EXPECT_EQ(next["alpha"], kLines);
    EXPECT_EQ(next["omega"], kLines);
}

}  // namespace
}  // namespace bytelora
