#include "cli/CliOptions.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>

#include "common/Translate.h"
#include "history/IntervalTable.h"
#include "usage/UsageSpan.h"

namespace bytelora::cli {

namespace {

bool IsIntervalEntry(const std::string& text) {
    return IntervalSeconds(text) != 0;
}

// What the options of `usage` chose so far, to refuse two that cannot go together.
struct UsageChoices {
    std::string what;    // the view or action option given first
    std::string format;  // --json or --csv
    std::string bound;   // --begin or --end
};

// Takes an option's value, given as "--name VALUE" or "--name=VALUE".
std::optional<std::string> OptionValue(const std::vector<std::string>& args, std::size_t& i,
                                       const std::string& name) {
    const std::string& arg = args[i];
    if (arg == name) {
        if (i + 1 >= args.size()) return std::nullopt;
        return args[++i];
    }
    if (arg.size() > name.size() && arg.compare(0, name.size(), name) == 0 &&
        arg[name.size()] == '=')
        return arg.substr(name.size() + 1);
    return std::nullopt;
}

bool ParseCount(const std::string& text, std::size_t& count) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    return error == std::errc{} && end == text.data() + text.size();
}

bool IsOption(const std::string& arg, const std::string& name) {
    return arg == name || arg.rfind(name + "=", 0) == 0;
}

std::optional<std::string> Choose(std::string& chosen, const std::string& option) {
    if (!chosen.empty() && chosen != option)
        return FillIn(Translate("bytelora::cli", "%1 and %2 cannot go together"), {chosen, option});
    chosen = option;
    return std::nullopt;
}

// One option of `usage` at args[i] (and its value, if it takes one); the error, if any.
std::optional<std::string> ParseUsageOption(const std::vector<std::string>& args, std::size_t& i,
                                            CliOptions& options, UsageChoices& choices) {
    static const std::pair<const char*, UsageViewKind> kViews[] = {
        {"--hours", UsageViewKind::Hours},
        {"--days", UsageViewKind::Days},
        {"--months", UsageViewKind::Months},
        {"--years", UsageViewKind::Years}};
    const std::string& arg = args[i];
    for (const auto& [name, kind] : kViews) {
        if (arg == name) {
            options.view = kind;
            return Choose(choices.what, arg);
        }
    }
    if (arg == "--limit" || arg == "--prometheus") {
        options.action = arg == "--limit" ? UsageAction::Limit : UsageAction::Prometheus;
        return Choose(choices.what, arg);
    } else if (arg == "--json" || arg == "--csv") {
        options.format = arg == "--json" ? UsageFormat::Json : UsageFormat::Csv;
        return Choose(choices.format, arg);
    } else if (IsOption(arg, "--top")) {
        const auto value = OptionValue(args, i, "--top");
        if (!value || !ParseCount(*value, options.top) || options.top == 0)
            return Translate("bytelora::cli", "--top needs a number of days (1 or more)");
        options.view = UsageViewKind::Top;
        return Choose(choices.what, "--top");
    } else if (IsOption(arg, "--begin") || IsOption(arg, "--end")) {
        const bool begin = arg.rfind("--begin", 0) == 0;
        const std::string name = begin ? "--begin" : "--end";
        const auto value = OptionValue(args, i, name);
        const auto date = value ? ParseDateText(*value) : std::nullopt;
        if (!date)
            return FillIn(Translate("bytelora::cli", "%1 needs a date as YYYY-MM-DD"), {name});
        (begin ? options.begin : options.end) = date;
        choices.bound = name;
    } else if (arg == "--apps") {
        options.apps = true;
    } else if (IsOption(arg, "--interface")) {
        const auto name = OptionValue(args, i, "--interface");
        if (!name || name->empty()) return Translate("bytelora::cli", "--interface needs a name");
        options.interfaceName = *name;
    } else {
        return FillIn(Translate("bytelora::cli", "unknown option '%1'"), {arg});
    }
    return std::nullopt;
}

// What only shows when all the options are read.
std::optional<std::string> CheckUsageChoices(const CliOptions& options,
                                             const UsageChoices& choices) {
    if (options.action == UsageAction::Limit || options.action == UsageAction::Prometheus) {
        if (!choices.format.empty())
            return FillIn(Translate("bytelora::cli", "%1 and %2 cannot go together"),
                          {choices.what, choices.format});
        if (!choices.bound.empty())
            return FillIn(Translate("bytelora::cli", "%1 and %2 cannot go together"),
                          {choices.what, choices.bound});
    }
    // The applications' bytes are kept per application, not per interface, and summed
    // over the view rather than shown per day.
    if (options.apps) {
        if (choices.what == "--top" || choices.what == "--limit" || choices.what == "--prometheus")
            return FillIn(Translate("bytelora::cli", "%1 and %2 cannot go together"),
                          {"--apps", choices.what});
        if (!options.interfaceName.empty())
            return FillIn(Translate("bytelora::cli", "%1 and %2 cannot go together"),
                          {"--apps", "--interface"});
    }
    if (options.begin && options.end &&
        std::chrono::sys_days(*options.begin) > std::chrono::sys_days(*options.end))
        return Translate("bytelora::cli", "--begin is after --end");
    return std::nullopt;
}

}  // namespace

ParseResult ParseCommandLine(const std::vector<std::string>& args) {
    if (args.empty()) return {std::nullopt, Translate("bytelora::cli", "no command given")};
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
        return {std::nullopt, FillIn(Translate("bytelora::cli", "unknown command '%1'"), {first})};
    }

    // `usage --help` shows the help whatever else is on the line.
    if (options.command == Command::Usage &&
        std::any_of(args.begin() + 1, args.end(),
                    [](const std::string& arg) { return arg == "--help" || arg == "-h"; })) {
        options.action = UsageAction::Help;
        return {options, {}};
    }
    UsageChoices usageChoices;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (options.command == Command::Log &&
            (arg == "--every" || arg.rfind("--every=", 0) == 0)) {
            std::string value;
            if (arg == "--every") {
                if (i + 1 >= args.size())
                    return {std::nullopt, Translate("bytelora::cli", "--every needs an interval")};
                value = args[++i];
            } else {
                value = arg.substr(8);
            }
            if (!IsIntervalEntry(value)) {
                return {std::nullopt,
                        FillIn(Translate("bytelora::cli", "'%1' is not one of the intervals"),
                               {value})};
            }
            options.every = value;
        } else if ((options.command == Command::Watch || options.command == Command::Log) &&
                   (arg == "--interface" || arg.rfind("--interface=", 0) == 0)) {
            std::string name;
            if (arg == "--interface") {
                if (i + 1 >= args.size())
                    return {std::nullopt, Translate("bytelora::cli", "--interface needs a name")};
                name = args[++i];
            } else {
                name = arg.substr(12);
            }
            if (name.empty())
                return {std::nullopt, Translate("bytelora::cli", "--interface needs a name")};
            options.interfaces.push_back(name);
        } else if (options.command == Command::Log && IsOption(arg, "--textfile-dir")) {
            const auto dir = OptionValue(args, i, "--textfile-dir");
            if (!dir || dir->empty())
                return {std::nullopt, Translate("bytelora::cli", "--textfile-dir needs a folder")};
            options.textfileDir = *dir;
        } else if (options.command == Command::Apps && arg == "--json") {
            options.format = UsageFormat::Json;
        } else if (options.command == Command::Usage) {
            if (const auto error = ParseUsageOption(args, i, options, usageChoices))
                return {std::nullopt, *error};
        } else {
            return {std::nullopt, FillIn(Translate("bytelora::cli", "unknown option '%1'"), {arg})};
        }
    }
    if (options.command == Command::Usage) {
        if (const auto error = CheckUsageChoices(options, usageChoices))
            return {std::nullopt, *error};
    }
    return {options, {}};
}

std::string UsageText() {
    // The commands, options and interval names stay as typed; only what explains them is
    // translated.
    std::string text =
        QCoreApplication::translate(
            "bytelora::cli",
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
            "  log ... --textfile-dir DIR\n"
            "                     also write the data usage for Prometheus into DIR\n"
            "                     once a minute (node_exporter's textfile collector)\n"
            "  usage [VIEW] [--begin DATE] [--end DATE] [--interface NAME] [--json|--csv]\n"
            "                     the data usage; VIEW is one of\n"
            "    --hours          the last 24 hours by hour\n"
            "    --days           this accounting month by day, up to today (the default)\n"
            "    --months         the last 24 accounting months\n"
            "    --years          every year with usage\n"
            "    --top N          the N busiest days\n"
            "                     DATE is YYYY-MM-DD, local time; --begin and --end pick\n"
            "                     the days any view covers (both included)\n"
            "  usage --limit [--interface NAME]\n"
            "                     one line on this accounting month against the monthly\n"
            "                     limit; exits 1 when the limit is reached, else 0\n"
            "  usage --prometheus [--interface NAME]\n"
            "                     the all-time totals per interface in Prometheus's text\n"
            "                     format\n"
            "  usage --apps [--hours|--days|--months|--years] [--begin DATE] [--end DATE]\n"
            "        [--json|--csv]\n"
            "                     each application's bytes over the view, busiest first\n"
            "                     (recorded where the per-application counter runs)\n"
            "  apps [--json]      each application's bytes since the per-application\n"
            "                     counter (bytelora-countd) started, and the traffic no\n"
            "                     local program owns\n"
            "\n"
            "--interface counts only the named interfaces (names match exactly); without it\n"
            "the interfaces chosen in the window count, or else those Bytelora picks itself.\n"
            "  --help             show this text\n"
            "  --version          show the version\n"
            "\n"
            "Intervals:\n")
            .toStdString();
    for (const auto& entry : kIntervalTable) {
        text += "  \"" + std::string(entry.text) + "\"\n";
    }
    text += QCoreApplication::translate("bytelora::cli",
                                        "\nwatch and log run until interrupted (Ctrl-C).\n")
                .toStdString();
    return text;
}

}  // namespace bytelora::cli
