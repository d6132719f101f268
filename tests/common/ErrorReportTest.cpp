#include "common/ErrorReport.h"
#include "common/ReportLocations.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "support/RecordingMessageBoxes.h"

namespace bytelora {
namespace {

using testing::RecordingMessageBoxes;

const std::string kFormLoad = "in ByteloraApp2021/08/31.Form1.Form_Load ";

std::string Request() {
    return std::string("Please email screenshot of this message to ") + SupportEmailAddress();
}

TEST(ErrorMessage, PiecesFollowEachOtherWithTheirSeparators) {
    EXPECT_EQ(ComposeErrorMessage("Overflow", kFormLoad, 104),
              "Overflow\r\nin ByteloraApp2021/08/31.Form1.Form_Load at line 104\r\r" + Request());
}

TEST(ErrorMessage, EmptyDescriptionStillStartsWithCrLf) {
    const auto message = ComposeErrorMessage("", kFormLoad, 100);
    EXPECT_EQ(message.substr(0, 2 + kFormLoad.size()), "\r\n" + kFormLoad);
}

TEST(ErrorMessage, StatementNumberIsDigitsOnly) {
    struct Case {
        int statement;
        const char* written;
    };
    for (const Case c :
         {Case{100, "at line 100\r\r"}, Case{102, "at line 102\r\r"}, Case{7, "at line 7\r\r"},
          Case{2147483647, "at line 2147483647\r\r"}, Case{-1, "at line -1\r\r"}}) {
        const auto message = ComposeErrorMessage("x", "in here ", c.statement);
        EXPECT_NE(message.find(std::string("in here ") + c.written), std::string::npos)
            << c.statement;
    }
}

TEST(ErrorMessage, SupportAddressLooksLikeAnAddress) {
    const std::string address = SupportEmailAddress();
    EXPECT_NE(address.find('@'), std::string::npos);
    EXPECT_EQ(address.find(' '), std::string::npos);
}

TEST(LocationText, JoinsProjectStampModuleAndRoutine) {
    EXPECT_EQ(LocationText(report::kMainWindow, report::kLoad), kFormLoad);
    EXPECT_EQ(LocationText(report::kMainWindow, report::kLoggingTick),
              "in ByteloraApp2021/08/31.Form1.Timer1 ");
    EXPECT_EQ(LocationText(report::kGraphWindow, report::kCloseRequest),
              "in ByteloraApp2021/08/31.Form2.Form_QueryUnload ");
}

TEST(ErrorReporter, ShowsOneWarningBoxWithTheComposedText) {
    RecordingMessageBoxes boxes;
    ErrorReporter reporter(boxes);
    reporter.ReportError("Disk full", kFormLoad, 136);
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(boxes.shown()[0].title, "Application Error");
    EXPECT_EQ(boxes.shown()[0].icon, BoxIcon::Warning);
    EXPECT_EQ(boxes.shown()[0].text, ComposeErrorMessage("Disk full", kFormLoad, 136));
    EXPECT_TRUE(boxes.asked().empty());
}

class GuardTest : public ::testing::Test {
  protected:
    RecordingMessageBoxes boxes;
    ErrorReporter reporter{boxes};
    StatementGuard guard{reporter, report::kMainWindow, report::kLoad};
    std::vector<int> ran;
};

TEST_F(GuardTest, EachFailingStatementShowsItsOwnBoxAndTheNextLineRuns) {
    guard.Run(100, [&] {
        ran.push_back(1);
        throw std::runtime_error("No skin");
        ran.push_back(2);  // NOLINT: never reached
    });
    guard.Run(102, [&] { ran.push_back(102); });
    guard.Run(104, [] { throw std::out_of_range("Index out of bounds"); });
    guard.Run(106, [&] { ran.push_back(106); });
    ASSERT_EQ(boxes.shown().size(), 2U);
    EXPECT_EQ(boxes.shown()[0].text, ComposeErrorMessage("No skin", kFormLoad, 100));
    EXPECT_EQ(boxes.shown()[1].text, ComposeErrorMessage("Index out of bounds", kFormLoad, 104));
    EXPECT_EQ(ran, (std::vector<int>{1, 102, 106}));
}

TEST_F(GuardTest, HandlerThatRunsThroughShowsNothingAndTestPassesItsValue) {
    guard.Run(100, [&] { ran.push_back(100); });
    EXPECT_TRUE(guard.Test(102, [] { return 1; }));
    EXPECT_FALSE(guard.Test(104, [] { return 0; }));
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(ran, std::vector<int>{100});
}

TEST_F(GuardTest, FailingTestRunsTheThenBranch) {
    if (guard.Test(202, []() -> bool { throw std::runtime_error("check box gone"); })) {
        ran.push_back(204);
    } else {
        ran.push_back(210);
    }
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_NE(boxes.shown()[0].text.find("at line 202"), std::string::npos);
    EXPECT_EQ(ran, std::vector<int>{204});
}

TEST_F(GuardTest, FailureOfACalledRoutineCarriesTheCallersLocation) {
    StatementGuard timer{reporter, report::kMainWindow, report::kLoggingTick};
    const auto unguardedHelper = [] { throw std::runtime_error("Permission denied"); };
    timer.Run(118, unguardedHelper);
    ASSERT_EQ(boxes.shown().size(), 1U);
    EXPECT_EQ(
        boxes.shown()[0].text,
        "Permission denied\r\nin ByteloraApp2021/08/31.Form1.Timer1 at line 118\r\r" + Request());
}

TEST_F(GuardTest, FailuresWithoutAStandardTextGetADescription) {
    guard.Run(100, [] { throw 42; });
    guard.Run(102, [] { throw std::string("thrown text"); });
    guard.Run(104, [] { throw std::runtime_error(""); });
    ASSERT_EQ(boxes.shown().size(), 3U);
    EXPECT_EQ(boxes.shown()[0].text.substr(0, boxes.shown()[0].text.find('\r')),
              kUnknownErrorDescription);
    EXPECT_EQ(boxes.shown()[1].text.substr(0, 13), "thrown text\r\n");
    EXPECT_EQ(boxes.shown()[2].text.substr(0, 2), "\r\n");
}

TEST_F(GuardTest, FailureOfTheBoxItselfGoesToTheCaller) {
    boxes.FailShow("no display");
    EXPECT_THROW(guard.Run(100, [] { throw std::runtime_error("first"); }), std::runtime_error);
    EXPECT_THROW(guard.Test(102, []() -> bool { throw std::runtime_error("second"); }),
                 std::runtime_error);
}

}  // namespace
}  // namespace bytelora
