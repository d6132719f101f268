// node_exporter's textfile: written by the recording program only, whole, once a minute.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/FakeClock.h"
#include "support/TempDir.h"
#include "support/UsageZones.h"
#include "usage/UsagePrometheus.h"
#include "usage/UsageSession.h"

namespace bytelora {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;
using testing::FakeClock;
using testing::TempDir;

std::string Slurp(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct TextfileRig {
    TempDir dir;
    FakeClock clock;
    std::vector<std::string> told;
    UsageEnvironment Environment() const {
        return {dir / "usage.sqlite", "boot", testing::CentralEuropeanZone()};
    }
    fs::path Folder() const { return dir / "textfiles"; }
    fs::path File() const { return Folder() / "bytelora.prom"; }
    PrometheusTextfile Textfile() {
        return PrometheusTextfile(Folder(), clock,
                                  [this](const std::string& text) { told.push_back(text); });
    }
    std::unique_ptr<UsageSession> Session() {
        return std::make_unique<UsageSession>(
            Environment(), clock, [this](const std::string& text) { told.push_back(text); });
    }
};

TEST(PrometheusTextfile, HoldsTheStoredAndThePendingBytesRewrittenOnceAMinute) {
    TextfileRig rig;
    fs::create_directories(rig.Folder());
    auto session = rig.Session();
    ASSERT_TRUE(session->Recording());
    // An interface counted from the start is there at 0 before it moves anything.
    session->Record({{"eth0", 0, 0, 1000, 500}});
    rig.Textfile().Update(*session, {{"eth0", 0, 0, 1000, 500}});
    EXPECT_NE(Slurp(rig.File()).find("bytelora_sent_bytes_total{interface=\"eth0\"} 0\n"),
              std::string::npos)
        << Slurp(rig.File());
    PrometheusTextfile textfile = rig.Textfile();
    session->Record({{"eth0", 100, 50, 1100, 550}});  // pending, not yet stored
    textfile.Update(*session, {});
    EXPECT_NE(Slurp(rig.File()).find("bytelora_sent_bytes_total{interface=\"eth0\"} 50\n"),
              std::string::npos)
        << Slurp(rig.File());

    rig.clock.Advance(seconds(30));
    session->Record({{"eth0", 10, 5, 1110, 555}});
    textfile.Update(*session, {});  // not a minute yet
    EXPECT_NE(Slurp(rig.File()).find("} 50\n"), std::string::npos);
    rig.clock.Advance(seconds(31));
    session->Record({{"eth0", 1, 1, 1111, 556}});  // this write stores the bytes
    textfile.Update(*session, {});
    EXPECT_NE(Slurp(rig.File()).find("bytelora_received_bytes_total{interface=\"eth0\"} 111\n"),
              std::string::npos);
    EXPECT_NE(Slurp(rig.File()).find("bytelora_sent_bytes_total{interface=\"eth0\"} 56\n"),
              std::string::npos);
    // Nothing but the file is left in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(rig.Folder()), fs::directory_iterator()), 1);

    // A second program reads but does not record, and leaves the file alone.
    auto reader = rig.Session();
    ASSERT_FALSE(reader->Recording());
    fs::remove(rig.File());
    PrometheusTextfile other = rig.Textfile();
    other.Write(*reader);
    EXPECT_FALSE(fs::exists(rig.File()));
    EXPECT_TRUE(rig.told.empty());
}

TEST(PrometheusTextfile, AFolderThatCannotBeWrittenIsToldOnceAndTheOldFileStays) {
    TextfileRig rig;
    auto session = rig.Session();
    session->Record({{"eth0", 0, 0, 1, 1}});
    PrometheusTextfile textfile = rig.Textfile();
    textfile.Write(*session);  // the folder is missing
    textfile.Write(*session);
    ASSERT_EQ(rig.told.size(), 1u);
    EXPECT_NE(rig.told[0].find(rig.Folder().string()), std::string::npos) << rig.told[0];

    // A folder in the place of the file: the rename fails, the temporary file goes.
    fs::create_directories(rig.File());
    EXPECT_NE(WriteTextfile(rig.Folder(), "x 1\n"), "");
    EXPECT_TRUE(fs::is_directory(rig.File()));
    EXPECT_EQ(std::distance(fs::directory_iterator(rig.Folder()), fs::directory_iterator()), 1);
    fs::remove(rig.File());
    EXPECT_EQ(WriteTextfile(rig.Folder(), "x 1\n"), "");
    EXPECT_EQ(Slurp(rig.File()), "x 1\n");
}

TEST(PrometheusText, EscapesLabelValues) {
    const std::string text = PrometheusText({{"we\"ird\\name\n", {1, 2}}});
    EXPECT_NE(text.find("{interface=\"we\\\"ird\\\\name\\n\"} 1\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace bytelora
