#include "settings/AutostartEntry.h"

#include "settings/StartupRegistration.h"
#include "settings/Utf8Check.h"

namespace bytelora {

std::string QuoteExecArgument(std::string_view utf8) {
    if (!IsValidUtf8(utf8)) {
        throw StartupRegistrationError(
            "The program path cannot be put in an autostart entry: it is not UTF-8 text.");
    }
    std::string quoted = "\"";
    for (const char c : utf8) {
        switch (c) {
            // Escaped once for the quoting rule and that backslash once more for the
            // string rule, which readers undo first.
            case '"':
            case '`':
            case '$':
                quoted += "\\\\";
                quoted += c;
                break;
            case '\\':
                quoted += "\\\\\\\\";
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '\t':
                quoted += "\\t";
                break;
            case '\r':
                quoted += "\\r";
                break;
            case '%':
                quoted += "%%";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                    throw StartupRegistrationError(
                        "The program path cannot be put in an autostart entry: it holds a "
                        "control character.");
                }
                quoted += c;
        }
    }
    quoted += '"';
    return quoted;
}

std::string AutostartEntryText(const std::filesystem::path& program) {
    const auto u8 = program.u8string();
    const std::string path(u8.begin(), u8.end());
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Bytelora\n"
           "Exec=" +
           QuoteExecArgument(path) +
           "\n"
           "Icon=org.bytelora.Bytelora\n"
           "X-GNOME-Autostart-enabled=true\n";
}

}  // namespace bytelora
