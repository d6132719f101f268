#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "usage/UsageView.h"

namespace bytelora::cli {

enum class Command { Help, Version, Interfaces, Watch, Log, Usage, Apps };

enum class UsageFormat { Table, Json, Csv };

// What `usage` does: show a view, tell where the month stands against the limit, or
// print the all-time totals for Prometheus. `--help` shows the text of UsageText().
enum class UsageAction { View, Limit, Prometheus, Help };

struct CliOptions {
    Command command = Command::Help;
    // `log --every "<entry>"`: one of the twelve interval entries, e.g. "Log every 5 seconds".
    std::optional<std::string> every;
    // `watch` and `log` `--interface NAME`, repeatable: count only these interfaces.
    std::vector<std::string> interfaces;
    // `log --textfile-dir DIR`: the Prometheus textfile written there once a minute.
    std::string textfileDir;
    // `usage`: see UsageText() for the options.
    UsageAction action = UsageAction::View;
    UsageViewKind view = UsageViewKind::Days;
    std::string interfaceName;
    // `usage --apps`: each application's bytes over the view instead of the view itself.
    bool apps = false;
    // `usage` and `apps [--json]`
    UsageFormat format = UsageFormat::Table;
    std::optional<std::chrono::year_month_day> begin;
    std::optional<std::chrono::year_month_day> end;
    std::size_t top = 10;
};

struct ParseResult {
    std::optional<CliOptions> options;  // empty when the command line is wrong
    std::string error;                  // what was wrong, for the usage message
};

ParseResult ParseCommandLine(const std::vector<std::string>& args);

std::string UsageText();

}  // namespace bytelora::cli
