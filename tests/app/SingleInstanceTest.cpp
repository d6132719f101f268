#include <gtest/gtest.h>

#include <QLockFile>

#include <filesystem>
#include <fstream>

#include "SingleInstanceRig.h"

namespace bytelora::testing {
namespace {

using namespace std::chrono_literals;
using Role = SingleInstance::Role;

TEST(SingleInstance, ALaterStartHandsOverToTheRunningOneEveryTime) {
    TempDir dir;
    SingleInstance running(In(dir));
    ASSERT_EQ(running.Claim(), Role::First);
    EXPECT_TRUE(running.Problem().isEmpty());
    Activations activations(running);

    for (int start = 1; start <= 3; ++start) {
        EXPECT_EQ(ClaimAsLaterStart(In(dir), 500ms), Role::HandedOver) << "start " << start;
        EXPECT_EQ(activations.WaitFor(start), start);
    }
}

TEST(SingleInstance, OnlyTheRaiseRequestBringsTheWindowForward) {
    TempDir dir;
    SingleInstance running(In(dir));
    ASSERT_EQ(running.Claim(), Role::First);
    Activations activations(running);

    EXPECT_TRUE(Send(In(dir).serverName, "hello\n"));
    EXPECT_TRUE(Send(In(dir).serverName, "raise"));  // no line end: not a request
    EXPECT_TRUE(Send(In(dir).serverName, QByteArray(200, 'x')));
    EXPECT_TRUE(Send(In(dir).serverName, "raise\n"));
    EXPECT_EQ(activations.WaitFor(1), 1);
    EXPECT_EQ(activations.WaitFor(2, 300ms), 1);
}

TEST(SingleInstance, TheNextStartAfterAnEndIsTheFirstAgain) {
    TempDir dir;
    {
        SingleInstance ended(In(dir));
        ASSERT_EQ(ended.Claim(), Role::First);
    }
    EXPECT_FALSE(std::filesystem::exists(In(dir).lockFile));
    EXPECT_FALSE(std::filesystem::exists(In(dir).serverName));

    SingleInstance next(In(dir), 200ms);
    EXPECT_EQ(next.Claim(), Role::First);
}

TEST(SingleInstance, ALiveHolderThatDoesNotAnswerIsNotJoinedBySecondInstance) {
    TempDir dir;
    QLockFile holder(QString::fromStdString(In(dir).lockFile.string()));
    ASSERT_TRUE(holder.tryLock(0));

    SingleInstance later(In(dir), 150ms);
    EXPECT_EQ(later.Claim(), Role::Unanswered);
}

TEST(SingleInstance, ALockThatCannotBeMadeLetsTheProgramRunUnguarded) {
    TempDir dir;
    std::ofstream(dir / "file") << "x";
    const InstanceLocation underAFile{dir / "file" / "bytelora.lock",
                                      (dir / "bytelora.socket").string()};
    SingleInstance instance(underAFile, 150ms);
    EXPECT_EQ(instance.Claim(), Role::First);
    EXPECT_FALSE(instance.Problem().isEmpty());
}

}  // namespace
}  // namespace bytelora::testing
