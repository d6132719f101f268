#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace bytelora {

// What a settings file holds before anything is written into it. The INI reader
// underneath the store skips whatever it cannot parse, and its next write would replace
// the file with only the lines it understood; so a file that is not plainly a settings
// file is left alone, and the caller is told why.
struct IniFileCheck {
    enum class State {
        Missing,     // nothing there yet: an empty store
        Valid,       // a settings file the store can read and rewrite without loss
        Unreadable,  // something is there that cannot be read as a file
        Damaged,     // readable, but not a settings file
    };
    State state = State::Missing;
    // For Unreadable and Damaged: what is wrong, to follow the file's name in a
    // sentence ("is a folder", "line 3 is not a [section] or a key=value line").
    std::string problem;

    bool usable() const { return state == State::Missing || state == State::Valid; }
};

IniFileCheck CheckIniFile(const std::filesystem::path& file);

// Empty when `text` is UTF-8 made only of [section] lines, key=value lines (with the
// reader's backslash line continuations), comments and blank lines; otherwise the
// problem as CheckIniFile words it.
std::string FindIniTextProblem(std::string_view text);

}  // namespace bytelora
