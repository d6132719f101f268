#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "countd/AppsReport.h"
#include "countd/StartBaseline.h"
#include "netstats/CInterfaces.h"
#include "support/TempDir.h"

namespace bytelora::countd {
namespace {

namespace fs = std::filesystem;

TEST(AppNames, FlatpakAndSnapAreNamedFromTheirScope) {
    EXPECT_EQ(AppIdFromUnit("app-flatpak-org.mozilla.firefox-2345.scope"), "org.mozilla.firefox");
    EXPECT_EQ(AppIdFromUnit("snap.firefox.firefox-8c1c7f2e.scope"), "firefox");
    for (const char* other : {"ssh.service", "app-flatpak--1.scope", "snap..x.scope", "session-3.scope", ""}) {
        EXPECT_EQ(AppIdFromUnit(other), "") << other;
    }
}

TEST(AppNames, TheProgramOfAnExecLine) {
    EXPECT_EQ(ProgramOfExec("/usr/bin/firefox-esr %u"), "/usr/bin/firefox-esr");
    EXPECT_EQ(ProgramOfExec("\"/opt/My App/run\" --x"), "/opt/My App/run");
    EXPECT_EQ(ProgramOfExec("env GDK_BACKEND=x11 -u FOO thunderbird %u"), "thunderbird");
    EXPECT_EQ(ProgramOfExec("/usr/bin/flatpak run --branch=stable org.gnome.Maps"), "");
    EXPECT_EQ(ProgramOfExec("   "), "");
}

// A data folder with desktop entries, and a PATH folder with the programs they name.
struct EntryRig {
    testing::TempDir dir;
    EntryRig() {
        fs::create_directories(dir / "data/applications/sub");
        fs::create_directories(dir / "bin");
        fs::create_directories(dir / "opt");
        std::ofstream(dir / "opt/real-browser") << "";
        fs::create_symlink(dir / "opt/real-browser", dir / "bin/browser");
        Entry("browser.desktop", "[Desktop Entry]\nName=Web Browser\nExec=browser %u\n"
                                 "[Desktop Action new]\nName=New Window\nExec=other\n");
        Entry("sub/editor.desktop", "[Desktop Entry]\r\nName=Editor\r\nTryExec=" + (dir / "opt/editor").string() +
                                        "\r\nExec=sh -c editor\r\n");
        Entry("script.desktop", "[Desktop Entry]\nName=Some Script\nExec=python3 /opt/x.py\n");
        Entry("org.gnome.Maps.desktop", "[Desktop Entry]\nName=Maps\nExec=/usr/bin/flatpak run org.gnome.Maps\n");
        Entry("hidden.desktop", "[Desktop Entry]\nName=Gone\nHidden=true\nExec=" + (dir / "opt/gone").string() + "\n");
    }
    void Entry(const std::string& name, const std::string& text) {
        std::ofstream(dir / "data/applications" / name) << text;
    }
    AppNames Names() { return AppNames({dir / "data"}, {dir / "nowhere", dir / "bin"}); }
};

TEST(AppNames, NamesFromTheDesktopEntryThatStartsTheExecutable) {
    EntryRig rig;
    const AppNames names = rig.Names();
    // Through PATH and the symbolic link to the real file the kernel reports.
    EXPECT_EQ(names.NameOf((rig.dir / "opt/real-browser").string()), "Web Browser");
    EXPECT_EQ(names.NameOf((rig.dir / "opt/editor").string()), "Editor");
    // An interpreter is not named after one script's entry, nor is a hidden entry used.
    EXPECT_EQ(names.NameOf("/usr/bin/python3.11"), "python3.11");
    EXPECT_EQ(names.NameOf((rig.dir / "opt/gone").string()), "gone");
    EXPECT_EQ(names.NameOf("/app/bin/gnome-maps", "app-flatpak-org.gnome.Maps-77.scope"), "Maps");
    EXPECT_EQ(names.NameOf("/app/bin/x", "app-flatpak-org.example.X-1.scope"), "org.example.X");
    EXPECT_EQ(names.NameOf("/usr/bin/curl"), "curl");
}

Reply SampleReply() {
    Reply reply;
    reply.startedUnix = 50;
    reply.processes.push_back({1, 1, 1000, {100, 10}, "curl", "/usr/bin/curl", ""});
    reply.processes.push_back({2, 1, 1000, {5000, 500}, "Web Content", "/usr/lib/firefox/firefox", ""});
    reply.processes.push_back({3, 1, 1000, {0, 0}, "idle", "/usr/bin/idle", ""});
    reply.processes.push_back({4, 1, 1000, {7, 0}, "kworker", "", ""});
    reply.exited.push_back({1000, {900, 90}, "/usr/bin/curl"});
    return reply;
}

TEST(AppsReport, GroupsByExecutableBusiestFirstAndOtherIsTheRest) {
    const AppNames none({}, {});
    const AppsReport report = GroupByApplication(SampleReply(), none, ByteCounts{10000, 100});
    ASSERT_EQ(report.applications.size(), 3u);  // a program that moved nothing has no row
    EXPECT_EQ(report.applications[0].name, "firefox");
    EXPECT_EQ(report.applications[1].executable, "/usr/bin/curl");
    EXPECT_EQ(report.applications[1].bytes, (ByteCounts{1000, 100}));  // live and exited together
    EXPECT_EQ(report.applications[2].name, "kworker");
    // Received: 10000 - 6007; sent: the programs sent more than the interfaces, so none.
    ASSERT_TRUE(report.other);
    EXPECT_EQ(*report.other, (ByteCounts{3993, 0}));
    EXPECT_FALSE(report.everyUser);
    EXPECT_FALSE(GroupByApplication(SampleReply(), none, std::nullopt).other);
}

TEST(AppsReport, JsonIsExactlyTheDocumentedShape) {
    const AppNames none({}, {});
    Reply reply;
    reply.processes.push_back({1, 1, 0, {3, 4}, "x", "/bin/a\"b\\c\x01\xff", ""});
    EXPECT_EQ(AppsJson(GroupByApplication(reply, none, ByteCounts{10, 10})),
              "{\"unit\":\"bytes\",\"applications\":[{\"name\":\"a\\\"b\\\\c\\u0001\xEF\xBF\xBD\","
              "\"executable\":\"/bin/a\\\"b\\\\c\\u0001\xEF\xBF\xBD\",\"received\":3,\"sent\":4}],"
              "\"other\":{\"received\":7,\"sent\":6}}\n");
    EXPECT_EQ(AppsJson(GroupByApplication({}, none, std::nullopt)),
              "{\"unit\":\"bytes\",\"applications\":[],\"other\":null}\n");
    EXPECT_EQ(JsonText("caf\xc3\xa9 \xe2\x82"), "\"caf\xc3\xa9 \xEF\xBF\xBD\xEF\xBF\xBD\"");
}

std::shared_ptr<CInterface> Row(const std::string& name, std::uint32_t type, std::uint64_t received,
                                std::uint64_t sent, std::uint64_t packets) {
    auto row = std::make_shared<CInterface>();
    row->InterfaceName(name);
    row->InterfaceType(type);
    row->OctetsReceived(received);
    row->OctetsSent(sent);
    row->UnicastPacketsReceived(packets);
    return row;
}

TEST(StartBaseline, WrittenAndReadBackAndRefusedWhenDamaged) {
    const StartBaseline baseline{1765, {{"eth0", 6, 1, 2, 3}, {"we\tird", 71, 4, 5, 6}}};
    EXPECT_EQ(ParseBaseline(WriteBaseline(baseline)), baseline);
    const std::string text = WriteBaseline(baseline);
    for (std::size_t cut = 0; cut + 1 < text.size(); cut += 5) EXPECT_FALSE(ParseBaseline(text.substr(0, cut)));
    EXPECT_FALSE(ParseBaseline("bytelora-countd-start\t1\t5\neth0\t6\t-1\t0\t0\nend\n"));
    EXPECT_EQ(BaselinePathFor("/run/bytelora/countd.socket"), "/run/bytelora/countd.socket.start");
}

TEST(StartBaseline, InterfacesMovedSinceTheStartWithoutTheirEthernetHeaders) {
    CInterfaces atStart;
    { auto r = Row("eth0", kIfTypeEthernet, 1000, 500, 10); atStart.Add(r); }
    { auto r = Row("wg0", kIfTypeTunnel, 100, 100, 1); atStart.Add(r); }
    { auto r = Row("lo", kIfTypeLoopback, 5, 5, 1); atStart.Add(r); }
    const StartBaseline baseline = BaselineOf(7, atStart);
    CInterfaces now;
    { auto r = Row("eth0", kIfTypeEthernet, 1000 + 2014, 500 + 1014 - 14 * 0, 10 + 2); now.Add(r); }
    { auto r = Row("wg0", kIfTypeTunnel, 50, 60, 1); now.Add(r); }   // made again since: counts from zero
    { auto r = Row("usb0", kIfTypeEthernet, 0, 0, 0); now.Add(r); }  // new, idle
    { auto r = Row("lo", kIfTypeLoopback, 999, 999, 9); now.Add(r); }
    const ByteCounts moved = MovedSince(baseline, now, {true, true, true, false});
    // eth0: 3028 bytes in 2 packets, less 28 bytes of headers, shared 2014 : 1014.
    EXPECT_EQ(moved.received + moved.sent, 3000u + 110u);
    EXPECT_EQ(moved.received, 1995u + 50u);
}

}  // namespace
}  // namespace bytelora::countd
