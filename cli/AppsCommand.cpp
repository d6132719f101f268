#include "cli/AppsCommand.h"

#include <algorithm>
#include <climits>
#include <ostream>

#include "common/TextColumns.h"
#include "common/Translate.h"
#include "countd/client/AppsReport.h"
#include "countd/client/CountdClient.h"
#include "countd/protocol/FileText.h"
#include "countd/protocol/StartBaseline.h"
#include "netstats/InterfaceSelection.h"
#include "netstats/InterfaceTotals.h"
#include "usage/UsageText.h"

namespace bytelora::cli {

namespace {

// The counted interfaces' bytes since the counter started, from the record it left at
// its start; empty without a record of this very start.
std::optional<countd::ByteCounts> InterfacesSinceStart(const std::string& socketPath,
                                                       std::int64_t startedUnix,
                                                       InterfaceTableSource& source,
                                                       const std::vector<std::string>& interfaces) {
    const auto baseline =
        countd::ParseBaseline(countd::ReadFileText(countd::BaselinePathFor(socketPath), 1 << 20));
    if (!baseline || baseline->startedUnix != startedUnix) return std::nullopt;
    InterfaceTotals helper(source);
    const auto table = helper.Interfaces();
    if (!table || table->Count() == 0) return std::nullopt;
    InterfaceSelection selection(source.Probe());
    selection.Choose(interfaces);
    selection.Update(*table);
    std::vector<bool> counted;
    for (std::size_t i = 0; i < selection.Rows(); ++i) counted.push_back(selection.Counts(i));
    return countd::MovedSince(*baseline, *table, counted);
}

// Names and paths come from other users' programs: no control character of theirs
// reaches the terminal.
std::string Printable(std::string text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
    }
    return text;
}

// A column's text, at least one blank wider than the text itself.
std::string Padded(const std::string& text, std::size_t width, bool right = false) {
    if (TextColumns(text) >= width) return text + " ";
    return PadToColumns(text, width, right);
}

}  // namespace

std::string AppsTable(const countd::AppsReport& report) {
    std::size_t nameWidth = 12;
    for (const auto& app : report.applications) {
        nameWidth = std::max(nameWidth, std::min<std::size_t>(TextColumns(app.name) + 2, 32));
    }
    std::string out = Padded(Translate("bytelora::cli", "Application"), nameWidth) +
                      Padded(Translate("bytelora::cli", "Received"), 12, true) +
                      Padded(Translate("bytelora::cli", "Sent"), 12, true) + " " +
                      Translate("bytelora::cli", "Executable") + "\n";
    for (const auto& app : report.applications) {
        out += Padded(Printable(app.name), nameWidth) +
               Padded(ByteAmountText(app.bytes.received), 12, true) +
               Padded(ByteAmountText(app.bytes.sent), 12, true) + " " + Printable(app.executable) +
               "\n";
    }
    const std::string label =
        report.everyUser
            ? Translate("bytelora::cli",
                        "Other (traffic no local program owns: forwarded, bridged)")
            : Translate("bytelora::cli",
                        "Other (traffic none of your programs owns: other users', forwarded, "
                        "bridged)");
    if (report.other) {
        out +=
            label + ": " +
            FillIn(Translate("bytelora::cli", "%1 received, %2 sent"),
                   {ByteAmountText(report.other->received), ByteAmountText(report.other->sent)}) +
            "\n";
    } else {
        out += label + ": " +
               Translate("bytelora::cli",
                         "not known (the counter left no record of the interfaces at its start)") +
               "\n";
    }
    if (report.refused == 1) {
        out += Translate("bytelora::cli",
                         "1 program could not be told apart; its bytes are in Other") +
               "\n";
    } else if (report.refused > 1 && report.refused <= static_cast<std::uint64_t>(INT_MAX)) {
        const int count = static_cast<int>(report.refused);
        out += Translate("bytelora::cli",
                         "%n programs could not be told apart; their bytes are in Other", "",
                         count);
        out += "\n";
    } else if (report.refused > 1) {
        // More than %n holds: written as it is, in English.
        out += std::to_string(report.refused) +
               " programs could not be told apart; their bytes are in Other\n";
    }
    return out;
}

int Apps(const CliOptions& options, InterfaceTableSource& source,
         const std::vector<std::string>& interfaces, const std::string& socketPath,
         std::ostream& out, std::ostream& err) {
    const countd::FetchResult fetched = countd::FetchCounts(socketPath);
    if (!fetched.reply) {
        err << fetched.problem << '\n';
        return 1;
    }
    const countd::AppsReport report = countd::GroupByApplication(
        *fetched.reply, countd::AppNames::ForThisSession(),
        InterfacesSinceStart(socketPath, fetched.reply->startedUnix, source, interfaces));
    out << (options.format == UsageFormat::Json ? countd::AppsJson(report) : AppsTable(report));
    out.flush();
    return out ? 0 : 1;
}

}  // namespace bytelora::cli
