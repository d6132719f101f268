#include "countd/client/AppNames.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

namespace bytelora::countd {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> ExecWords(std::string_view exec) {
    // Words are split at spaces; a double-quoted word keeps its spaces, and a backslash
    // inside it takes the next character as it is.
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool inWord = false;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (quoted) {
            if (c == '\\' && i + 1 < exec.size()) {
                word += exec[++i];
            } else if (c == '"') {
                quoted = false;
            } else {
                word += c;
            }
        } else if (c == '"') {
            quoted = inWord = true;
        } else if (c == ' ' || c == '\t') {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(std::move(word));
    return words;
}

std::string RealPath(const fs::path& path) {
    std::error_code error;
    const fs::path real = fs::canonical(path, error);
    return error ? std::string() : real.string();
}

std::vector<fs::path> SplitFolders(const char* value, const char* fallback) {
    std::vector<fs::path> folders;
    std::string_view list = value && *value ? value : fallback;
    while (!list.empty()) {
        const std::size_t colon = list.find(':');
        if (const auto folder = list.substr(0, colon); !folder.empty()) folders.emplace_back(folder);
        if (colon == std::string_view::npos) break;
        list.remove_prefix(colon + 1);
    }
    return folders;
}

// An entry that starts an interpreter names its script, not the interpreter: it must not
// name every program that interpreter runs.
bool IsInterpreter(const std::string& fileName) {
    for (const char* prefix : {"sh", "bash", "dash", "zsh", "python", "perl", "ruby", "node", "java", "lua",
                               "gjs", "mono", "wine", "xdg-open", "gio", "pkexec", "sudo"}) {
        if (fileName == prefix) return true;
        // python3, python3.11, perl5.36 ...
        if (fileName.starts_with(prefix) && fileName.find_first_not_of("0123456789.", std::string_view(prefix).size()) ==
                                                std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string AppIdFromUnit(std::string_view unit) {
    if (!unit.ends_with(".scope")) return {};
    unit.remove_suffix(6);
    if (unit.starts_with("app-flatpak-")) {
        unit.remove_prefix(12);
        // The id, then "-<number>".
        const std::size_t dash = unit.rfind('-');
        return dash == std::string_view::npos || dash == 0 ? std::string() : std::string(unit.substr(0, dash));
    }
    if (unit.starts_with("snap.")) {
        unit.remove_prefix(5);
        const std::size_t dot = unit.find('.');
        return dot == std::string_view::npos || dot == 0 ? std::string() : std::string(unit.substr(0, dot));
    }
    return {};
}

std::string ProgramOfExec(std::string_view exec) {
    const std::vector<std::string> words = ExecWords(exec);
    std::size_t at = 0;
    if (at < words.size() && fs::path(words[at]).filename() == "env") {
        ++at;
        while (at < words.size() && (words[at].find('=') != std::string::npos || words[at].starts_with('-'))) {
            // -u and --unset take the variable's name as the next word.
            at += words[at] == "-u" || words[at] == "--unset" ? 2 : 1;
        }
    }
    if (at >= words.size()) return {};
    const std::string program = fs::path(words[at]).filename().string();
    if ((program == "flatpak" || program == "snap") && at + 1 < words.size() && words[at + 1] == "run") return {};
    return words[at];
}

AppNames::AppNames(const std::vector<fs::path>& dataFolders, const std::vector<fs::path>& path) {
    for (const fs::path& folder : dataFolders) {
        std::error_code error;
        fs::recursive_directory_iterator it(folder / "applications", error), end;
        for (; !error && it != end; it.increment(error)) {
            if (it->path().extension() == ".desktop") Read(it->path(), path);
        }
    }
}

AppNames AppNames::ForThisSession() {
    std::vector<fs::path> folders;
    if (const char* dataHome = std::getenv("XDG_DATA_HOME"); dataHome && *dataHome) {
        folders.emplace_back(dataHome);
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        folders.push_back(fs::path(home) / ".local/share");
    }
    for (fs::path& folder : SplitFolders(std::getenv("XDG_DATA_DIRS"), "/usr/local/share:/usr/share")) {
        folders.push_back(std::move(folder));
    }
    return AppNames(folders, SplitFolders(std::getenv("PATH"), "/usr/local/bin:/usr/bin:/bin"));
}

void AppNames::Read(const fs::path& entry, const std::vector<fs::path>& path) {
    std::ifstream in(entry);
    std::string line;
    std::string name;
    std::string icon;
    std::vector<std::string> programs;
    bool inMain = false;
    bool hidden = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with('[')) {
            inMain = line == "[Desktop Entry]";
            continue;
        }
        if (!inMain) continue;
        if (line.starts_with("Name=")) name = line.substr(5);
        if (line.starts_with("Icon=")) icon = line.substr(5);
        if (line == "Hidden=true") hidden = true;
        if (line.starts_with("Exec=")) programs.push_back(ProgramOfExec(line.substr(5)));
        if (line.starts_with("TryExec=")) programs.push_back(ProgramOfExec(line.substr(8)));
    }
    if (name.empty() || hidden) return;
    const Entry found{name, icon};
    byEntryId_.try_emplace(entry.stem().string(), found);
    for (const std::string& program : programs) {
        const fs::path programPath(program);
        if (program.empty() || IsInterpreter(programPath.filename().string())) continue;
        if (programPath.is_absolute()) {
            if (const std::string real = RealPath(programPath); !real.empty()) byExecutable_.try_emplace(real, found);
            byExecutable_.try_emplace(program, found);
            continue;
        }
        for (const fs::path& folder : path) {
            if (const std::string real = RealPath(folder / programPath); !real.empty()) {
                byExecutable_.try_emplace(real, found);
                break;
            }
        }
    }
}

const AppNames::Entry* AppNames::Find(const std::string& executable, std::string_view unit) const {
    if (auto it = byExecutable_.find(executable); it != byExecutable_.end()) return &it->second;
    if (const std::string id = AppIdFromUnit(unit); !id.empty()) {
        if (auto it = byEntryId_.find(id); it != byEntryId_.end()) return &it->second;
    }
    return nullptr;
}

std::string AppNames::IconOf(const std::string& executable, std::string_view unit) const {
    const Entry* entry = Find(executable, unit);
    return entry ? entry->icon : std::string();
}

std::string AppNames::NameOf(const std::string& executable, std::string_view unit) const {
    if (const Entry* entry = Find(executable, unit)) return entry->name;
    if (std::string id = AppIdFromUnit(unit); !id.empty()) return id;
    // The counter's paths are the kernel's, '/'-separated whatever system reads them, and
    // may hold any bytes: no path class interprets them. The Windows counter's are
    // Windows' own ("C:\\...\\name.exe"), where a backslash separates too.
    const bool windowsPath = executable.size() > 2 && executable[1] == ':' && executable[2] == '\\';
    return executable.substr(executable.find_last_of(windowsPath ? "\\/" : "/") + 1);
}

}  // namespace bytelora::countd
