#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/UsageCommand.h"
#include "support/FakeClock.h"
#include "support/TempDir.h"
#include "support/UsageZones.h"

namespace bytelora::cli::testing {

// `bytelora-cli usage` run in-process on a temporary database in Central European time.
struct UsageRig {
    bytelora::testing::TempDir dir;
    bytelora::testing::FakeClock clock;
    UsageLimit limit;
    std::ostringstream out, err;

    UsageEnvironment Environment() const {
        return {dir / "usage.sqlite", "boot", bytelora::testing::CentralEuropeanZone()};
    }
    // Stores `received` and twice as many sent bytes for `name` in the UTC hour of `when`.
    void Store(const std::string& name, std::chrono::system_clock::time_point when,
               std::uint64_t received) {
        UsageStore store({Environment().database, UsageStore::Mode::Record}, clock, {});
        ASSERT_EQ(store.Add({{name, HourOf(when), received, received * 2}}, {}, {"boot", {}}),
                  StoreFault::None);
    }
    int Run(const std::vector<std::string>& args) {
        out.str({});
        err.str({});
        const ParseResult parsed = ParseCommandLine(args);
        EXPECT_TRUE(parsed.options) << parsed.error;
        if (!parsed.options) return 2;
        return Usage(*parsed.options, Environment(), limit, clock, out, err);
    }
    std::size_t Lines() const {
        const std::string text = out.str();
        return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    }
};

}  // namespace bytelora::cli::testing
