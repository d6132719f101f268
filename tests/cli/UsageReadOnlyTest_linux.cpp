// `bytelora-cli usage` as a user who may read the database but not write its folder: the
// SQLite files of a database in WAL mode cannot be made there.
#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <sstream>

#include "cli/UsageCommand.h"
#include "support/FakeClock.h"
#include "support/TempDir.h"
#include "support/UsageZones.h"

namespace bytelora::cli {
namespace {

namespace fs = std::filesystem;
using bytelora::testing::FakeClock;
using bytelora::testing::TempDir;
using bytelora::testing::Utc;

// Root may write any folder: it reads as nobody while this lives.
class AsUserWithoutRights {
  public:
    AsUserWithoutRights() {
        if (::geteuid() != 0) return;
        switched_ = ::setegid(65534) == 0 && ::seteuid(65534) == 0;
    }
    ~AsUserWithoutRights() {
        if (!switched_) return;
        (void)!::seteuid(0);
        (void)!::setegid(0);
    }
    AsUserWithoutRights(const AsUserWithoutRights&) = delete;
    AsUserWithoutRights& operator=(const AsUserWithoutRights&) = delete;
    bool Works() const { return ::geteuid() != 0; }

  private:
    bool switched_ = false;
};

struct ReadOnlyRig {
    TempDir dir;
    FakeClock clock;
    std::ostringstream out, err;

    fs::path Folder() const { return dir / "Bytelora"; }
    UsageEnvironment Environment(const fs::path& folder) const {
        return {folder / "usage.sqlite", "boot", bytelora::testing::CentralEuropeanZone()};
    }
    // 305 bytes received on 5 March, recorded by a session.
    void Record(UsageSession& session) {
        session.Record({{"eth0", 0, 0, 1000, 2000}});
        session.Record({{"eth0", 305, 36, 1305, 2036}});
        session.Flush();
    }
    // Readable by everybody, writable by nobody.
    static void MakeReadOnly(const fs::path& folder) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            fs::permissions(entry.path(),
                            fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        }
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec |
                                    fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
        fs::permissions(folder.parent_path(), fs::perms::owner_all | fs::perms::group_read |
                                                  fs::perms::group_exec | fs::perms::others_read |
                                                  fs::perms::others_exec);
    }
    int Run(const fs::path& folder) {
        out.str({});
        err.str({});
        const ParseResult parsed = ParseCommandLine({"usage", "--json"});
        EXPECT_TRUE(parsed.options) << parsed.error;
        AsUserWithoutRights reader;
        if (!reader.Works()) {
            err << "could not leave root";
            return -1;
        }
        return Usage(*parsed.options, Environment(folder), UsageLimit{}, clock, out, err);
    }
};

TEST(UsageCommandReadOnly, ReadsAClosedDatabaseAndSaysWhyAnOpenLogCannotBeRead) {
    ReadOnlyRig rig;
    rig.clock.SetNow(Utc(2024, 3, 5, 12));
    {
        UsageSession session(rig.Environment(rig.Folder()), rig.clock, {});
        rig.Record(session);
        // A copy taken while the recorder runs: its newest rows are in the write-ahead
        // log, and the file that indexes it is not there.
        const fs::path copy = rig.dir / "copy";
        fs::create_directories(copy);
        for (const char* name : {"usage.sqlite", "usage.sqlite-wal"}) {
            ASSERT_TRUE(fs::exists(rig.Folder() / name)) << name;
            fs::copy_file(rig.Folder() / name, copy / name);
        }
        ReadOnlyRig::MakeReadOnly(copy);
        const fs::path database = copy / "usage.sqlite";
        EXPECT_EQ(rig.Run(copy), 1) << rig.err.str();
        EXPECT_TRUE(rig.out.str().empty());
        EXPECT_EQ(rig.err.str(),
                  "bytelora-cli: the data usage database " + database.string() +
                      " cannot be read: its folder cannot be written, and its latest changes, "
                      "in " +
                      database.string() + "-wal, can only be read with a file beside it (" +
                      database.string() + "-shm) that cannot be made there.\n");
    }
    // Closed, the database is one file in WAL mode, read without its -shm.
    ReadOnlyRig::MakeReadOnly(rig.Folder());
    EXPECT_EQ(rig.Run(rig.Folder()), 0) << rig.err.str();
    EXPECT_EQ(rig.err.str(), "");
    EXPECT_NE(rig.out.str().find("{\"date\": \"2024-03-05\", \"received\": 305, \"sent\": 36}"),
              std::string::npos)
        << rig.out.str();
    EXPECT_FALSE(fs::exists(rig.Folder() / "usage.sqlite-shm"));
}

}  // namespace
}  // namespace bytelora::cli
