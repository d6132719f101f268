#include "settings/IniFileCheck.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "support/TempDir.h"

namespace bytelora {
namespace {

struct TextCase {
    const char* name;
    std::string text;
    std::string problem;  // empty: a settings file
};

class IniTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(IniTextTest, FindsTheFirstProblem) {
    EXPECT_EQ(FindIniTextProblem(GetParam().text), GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IniTextTest,
    ::testing::Values(
        TextCase{"Empty", "", ""},
        TextCase{"Written", "[Bytelora]\nOftenIndex=2\nWindows%20Startup=On\n", ""},
        TextCase{"CrLfCommentsBlanksBom",
                 "\xEF\xBB\xBF; note\r\n# other\r\n\r\n  [General]  \r\nA = 1\r\n", ""},
        TextCase{"ContinuedValue", "[S]\nA=one \\\n  two\nB=3\n", ""},
        TextCase{"EscapedBackslashEndsTheValue", "[S]\nA=one\\\\\nloose\n",
                 "line 3 is not a [section] or a key=value line"},
        TextCase{"LooseLine", "[Bytelora]\nOftenIndex=2\nnonsense\n",
                 "line 3 is not a [section] or a key=value line"},
        TextCase{"OpenSection", "[Bytelora\nA=1\n", "line 1 is not a complete [section] line"},
        TextCase{"EmptySection", "[]\n", "line 1 is not a complete [section] line"},
        TextCase{"NoKey", "[S]\n = 1\n", "line 2 has a value without a key"},
        TextCase{"Binary", std::string("[S]\nA=\0\x01", 7), "holds binary data"},
        TextCase{"NotUtf8", "[S]\nA=caf\xE9\n", "is not UTF-8 text"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(CheckIniFile, TellsMissingValidDamagedAndUnreadableApart) {
    testing::TempDir dir;
    EXPECT_EQ(CheckIniFile(dir / "absent.conf").state, IniFileCheck::State::Missing);
    EXPECT_TRUE(CheckIniFile(dir / "absent.conf").usable());

    std::ofstream(dir / "good.conf") << "[Bytelora]\nMinimized=On\n";
    EXPECT_EQ(CheckIniFile(dir / "good.conf").state, IniFileCheck::State::Valid);

    std::ofstream(dir / "bad.conf") << "[Bytelora]\ngarbage\n";
    const auto damaged = CheckIniFile(dir / "bad.conf");
    EXPECT_EQ(damaged.state, IniFileCheck::State::Damaged);
    EXPECT_FALSE(damaged.usable());

    std::filesystem::create_directory(dir / "folder.conf");
    const auto folder = CheckIniFile(dir / "folder.conf");
    EXPECT_EQ(folder.state, IniFileCheck::State::Unreadable);
    EXPECT_EQ(folder.problem, "is a folder, not a file");
}

}  // namespace
}  // namespace bytelora
