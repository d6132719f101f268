#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace bytelora::countd {

// The application id in a Flatpak or snap scope name: "app-flatpak-org.gnome.Maps-2345.scope"
// gives "org.gnome.Maps", "snap.firefox.firefox-12ab.scope" gives "firefox"; empty for
// any other unit.
std::string AppIdFromUnit(std::string_view unit);

// The program a desktop entry's Exec line starts: its first word, with the quoting of
// the desktop entry rules undone and an "env VAR=value" prefix skipped; empty for an
// Exec that starts a sandbox ("flatpak run", "snap run") rather than a program.
std::string ProgramOfExec(std::string_view exec);

// Names applications after their desktop entries.
class AppNames {
  public:
    // Reads the entries in the "applications" folder of each data folder, the first
    // folder winning (XDG_DATA_HOME before XDG_DATA_DIRS); `path` resolves a bare
    // program name the way a shell would.
    AppNames(const std::vector<std::filesystem::path>& dataFolders,
             const std::vector<std::filesystem::path>& path);
    // The data folders and PATH of this session.
    static AppNames ForThisSession();

    // The name of the application whose entry's Exec or TryExec names this executable
    // (after symbolic links), else the application named by the scope, else the
    // executable's file name. Entries that start an interpreter or a sandbox name nothing.
    std::string NameOf(const std::string& executable, std::string_view unit = {}) const;
    // The Icon of that same entry (a theme icon name or a file), or empty.
    std::string IconOf(const std::string& executable, std::string_view unit = {}) const;

  private:
    struct Entry {
        std::string name;
        std::string icon;
    };
    void Read(const std::filesystem::path& entry, const std::vector<std::filesystem::path>& path);
    const Entry* Find(const std::string& executable, std::string_view unit) const;

    std::map<std::string, Entry> byExecutable_;  // real path -> entry
    std::map<std::string, Entry> byEntryId_;     // "org.gnome.Maps" -> entry
};

}  // namespace bytelora::countd
