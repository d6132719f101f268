#pragma once

#include <optional>
#include <string>
#include <vector>

#include "usage/UsageView.h"

namespace bytelora::cli {

enum class Command { Help, Version, Interfaces, Watch, Log, Usage, Apps };

enum class UsageFormat { Table, Json, Csv };

struct CliOptions {
    Command command = Command::Help;
    // `log --every "<entry>"`: one of the twelve interval entries, e.g. "Log every 5 seconds".
    std::optional<std::string> every;
    // `watch` and `log` `--interface NAME`, repeatable: count only these interfaces.
    std::vector<std::string> interfaces;
    // `usage [--hours | --days | --months] [--interface NAME] [--json | --csv]`
    UsageViewKind view = UsageViewKind::Days;
    std::string interfaceName;
    // `usage` and `apps [--json]`
    UsageFormat format = UsageFormat::Table;
};

struct ParseResult {
    std::optional<CliOptions> options;  // empty when the command line is wrong
    std::string error;                  // what was wrong, for the usage message
};

ParseResult ParseCommandLine(const std::vector<std::string>& args);

std::string UsageText();

}  // namespace bytelora::cli
