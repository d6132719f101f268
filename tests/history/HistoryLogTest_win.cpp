#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "history/HistoryLog.h"
#include "support/TempDir.h"

namespace bytelora {
namespace {

TEST(HistoryLogCodePage, LinesAreStoredInTheAnsiCodePageAndReadBackAsUtf8) {
    if (::GetACP() != 1252) {
        GTEST_SKIP() << "expects the Western European ANSI code page";
    }
    testing::TempDir dir;
    const auto file = dir / "Bytelora.txt";
    const std::string line = "31.08.2021 15:07:45 Download: 12 Kb/s Upload: 3 Kb/s \xC3\xA9";
    AppendToHistoryLog(file.string(), line);

    std::ifstream in(file, std::ios::binary);
    const std::string raw{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(raw, line.substr(0, line.size() - 2) + "\xE9\r\n");
    EXPECT_EQ(ReadHistoryLog(file.string()), line + "\r\n");
}

}  // namespace
}  // namespace bytelora
