#pragma once

#include <filesystem>

namespace bytelora {

struct ProgramPaths {
    std::filesystem::path programFile;
    std::filesystem::path programFolder;
    std::filesystem::path helpPage;
};

// The help page beside the program (a build tree or an unpacked folder), or where an
// installation puts it: <prefix>/share/bytelora/help next to <prefix>/bin.
std::filesystem::path HelpPagePath(const std::filesystem::path& programFolder);

// The running program and its help page. When the platform cannot name the program,
// the current folder stands in, so that start-up still completes.
ProgramPaths FindProgramPaths();

}  // namespace bytelora
