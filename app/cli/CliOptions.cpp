#include "app/cli/CliOptions.h"

#include "history/IntervalTable.h"

namespace bytelora::cli {

namespace {

bool IsIntervalEntry(const std::string& text) {
    return IntervalSeconds(text) != 0;
}

// One option of `usage` at args[i] (and its value, if it takes one); the error, if any.
std::optional<std::string> ParseUsageOption(const std::vector<std::string>& args, std::size_t& i,
                                            CliOptions& options) {
    const std::string& arg = args[i];
    if (arg == "--hours") {
        options.view = UsageViewKind::Hours;
    } else if (arg == "--days") {
        options.view = UsageViewKind::Days;
    } else if (arg == "--months") {
        options.view = UsageViewKind::Months;
    } else if (arg == "--json") {
        options.format = UsageFormat::Json;
    } else if (arg == "--csv") {
        options.format = UsageFormat::Csv;
    } else if (arg == "--interface") {
        if (i + 1 >= args.size() || args[i + 1].empty()) return "--interface needs a name";
        options.interfaceName = args[++i];
    } else if (arg.rfind("--interface=", 0) == 0 && arg.size() > 12) {
        options.interfaceName = arg.substr(12);
    } else {
        return "unknown option '" + arg + "'";
    }
    return std::nullopt;
}

}  // namespace

ParseResult ParseCommandLine(const std::vector<std::string>& args) {
    if (args.empty()) return {std::nullopt, "no command given"};
    const std::string& first = args.front();
    CliOptions options;
    if (first == "--help" || first == "-h" || first == "help") {
        options.command = Command::Help;
    } else if (first == "--version") {
        options.command = Command::Version;
    } else if (first == "interfaces") {
        options.command = Command::Interfaces;
    } else if (first == "watch") {
        options.command = Command::Watch;
    } else if (first == "log") {
        options.command = Command::Log;
    } else if (first == "usage") {
        options.command = Command::Usage;
    } else if (first == "apps") {
        options.command = Command::Apps;
    } else {
        return {std::nullopt, "unknown command '" + first + "'"};
    }

    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (options.command == Command::Log &&
            (arg == "--every" || arg.rfind("--every=", 0) == 0)) {
            std::string value;
            if (arg == "--every") {
                if (i + 1 >= args.size()) return {std::nullopt, "--every needs an interval"};
                value = args[++i];
            } else {
                value = arg.substr(8);
            }
            if (!IsIntervalEntry(value)) {
                return {std::nullopt, "'" + value + "' is not one of the intervals"};
            }
            options.every = value;
        } else if ((options.command == Command::Watch || options.command == Command::Log) &&
                   (arg == "--interface" || arg.rfind("--interface=", 0) == 0)) {
            std::string name;
            if (arg == "--interface") {
                if (i + 1 >= args.size()) return {std::nullopt, "--interface needs a name"};
                name = args[++i];
            } else {
                name = arg.substr(12);
            }
            if (name.empty()) return {std::nullopt, "--interface needs a name"};
            options.interfaces.push_back(name);
        } else if (options.command == Command::Apps && arg == "--json") {
            options.format = UsageFormat::Json;
        } else if (options.command == Command::Usage) {
            if (const auto error = ParseUsageOption(args, i, options)) return {std::nullopt, *error};
        } else {
            return {std::nullopt, "unknown option '" + arg + "'"};
        }
    }
    return {options, {}};
}

std::string UsageText() {
    std::string text =
        "Usage: bytelora-cli COMMAND [OPTIONS]\n"
        "\n"
        "Commands:\n"
        "  interfaces         read the interface table once and list it with the totals\n"
        "  watch [--interface NAME]...\n"
        "                     print the download and upload rates once a second\n"
        "  log [--every E] [--interface NAME]...\n"
        "                     take bandwidth usage snapshots into the history log;\n"
        "                     E is one of the intervals below (default: the one chosen\n"
        "                     in the window); also records the data usage when\n"
        "                     no other Bytelora does\n"
        "  usage [--hours|--days|--months] [--interface NAME] [--json|--csv]\n"
        "                     the data usage: today by hour, this accounting month by\n"
        "                     day (the default) or the last 24 months\n"
        "  apps [--json]      each application's bytes since the per-application\n"
        "                     counter (bytelora-countd) started, and the traffic no\n"
        "                     local program owns\n"
        "\n"
        "--interface counts only the named interfaces (names match exactly); without it\n"
        "the interfaces chosen in the window count, or else those Bytelora picks itself.\n"
        "  --help             show this text\n"
        "  --version          show the version\n"
        "\n"
        "Intervals:\n";
    for (const auto& entry : kIntervalTable) {
        text += "  \"" + std::string(entry.text) + "\"\n";
    }
    text += "\nwatch and log run until interrupted (Ctrl-C).\n";
    return text;
}

}  // namespace bytelora::cli
