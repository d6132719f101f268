// Naming programs after the desktop's entries: Linux only (desktop entries, symbolic links).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "countd/client/AppNames.h"
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
        Entry("browser.desktop", "[Desktop Entry]\nName=Web Browser\nIcon=web-browser\nExec=browser %u\n"
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
    EXPECT_EQ(names.IconOf((rig.dir / "opt/real-browser").string()), "web-browser");
    EXPECT_EQ(names.IconOf("/usr/bin/curl"), "");
    EXPECT_EQ(names.NameOf((rig.dir / "opt/editor").string()), "Editor");
    // An interpreter is not named after one script's entry, nor is a hidden entry used.
    EXPECT_EQ(names.NameOf("/usr/bin/python3.11"), "python3.11");
    EXPECT_EQ(names.NameOf((rig.dir / "opt/gone").string()), "gone");
    EXPECT_EQ(names.NameOf("/app/bin/gnome-maps", "app-flatpak-org.gnome.Maps-77.scope"), "Maps");
    EXPECT_EQ(names.NameOf("/app/bin/x", "app-flatpak-org.example.X-1.scope"), "org.example.X");
    EXPECT_EQ(names.NameOf("/usr/bin/curl"), "curl");
    // The Windows counter's paths are Windows' own; elsewhere a backslash is a name's.
    EXPECT_EQ(names.NameOf("C:\\Program Files\\Web\\browser.exe"), "browser.exe");
    EXPECT_EQ(names.NameOf("/home/a\\b"), "a\\b");
}

}  // namespace
}  // namespace bytelora::countd
