// The client where no counter answers: Linux only (on Windows there is no counter yet).
#include <gtest/gtest.h>

#include "countd/client/CountdClient.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

namespace bytelora::countd {
namespace {

TEST(CountdClient, SaysInOneLineWhenThereIsNoCounterAndHowToEnableIt) {
    testing::TempDir dir;
    const FetchResult missing = FetchCounts((dir / "none.socket").string());
    EXPECT_FALSE(missing.reply);
    EXPECT_EQ(missing.problem.find('\n'), std::string::npos);
    EXPECT_NE(missing.problem.find("sudo systemctl enable --now bytelora-countd"), std::string::npos);

    testing::ScopedEnv unset(kCountdSocketVariable, std::nullopt);
    EXPECT_EQ(CountdSocketPath(), "/run/bytelora/countd.socket");
    testing::ScopedEnv set(kCountdSocketVariable, "/tmp/x.socket");
    EXPECT_EQ(CountdSocketPath(), "/tmp/x.socket");
}

}  // namespace
}  // namespace bytelora::countd
