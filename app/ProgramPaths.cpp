#include "app/ProgramPaths.h"

#include <exception>
#include <system_error>

#include "common/Utilities.h"

namespace bytelora {
namespace {

constexpr char kHelpFile[] = "bytelora-help.html";

}  // namespace

std::filesystem::path HelpPagePath(const std::filesystem::path& programFolder) {
    const auto beside = programFolder / "help" / kHelpFile;
    std::error_code error;
    if (std::filesystem::is_regular_file(beside, error)) return beside;
    const auto installed = programFolder / ".." / "share" / "bytelora" / "help" / kHelpFile;
    if (std::filesystem::is_regular_file(installed, error)) return installed.lexically_normal();
    // Neither is there: the launcher reports the missing page when Help is clicked.
    return beside;
}

ProgramPaths FindProgramPaths() {
    ProgramPaths paths;
    try {
        paths.programFile = ProgramFile();
        paths.programFolder = ProgramFolder();
    } catch (const std::exception&) {
        std::error_code error;
        paths.programFolder = std::filesystem::current_path(error);
        paths.programFile = paths.programFolder / "bytelora";
    }
    paths.helpPage = HelpPagePath(paths.programFolder);
    return paths;
}

}  // namespace bytelora
