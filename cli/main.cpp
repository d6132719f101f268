// bytelora-cli: the interface table, the live rates and the history log without a window.
#include <QCoreApplication>

#include <iostream>
#include <string>
#include <vector>

#include "cli/AppsCommand.h"
#include "cli/CliOptions.h"
#include "cli/Commands.h"
#include "cli/UsageCommand.h"
#include "common/ProcessSetup.h"
#include "countd/client/CountdClient.h"
#include "netstats/InterfaceTableSource.h"
#include "settings/QSettingsStore.h"
#include "translations/LanguageChoice.h"
#include "translations/Translators.h"

int main(int argc, char** argv) {
    using namespace bytelora::cli;
    bytelora::PrepareProcess();
    // Qt supplies the locale's date and number formats and the settings store.
    QCoreApplication app(argc, argv);
    // Help and messages to a person in the window's language; what scripts read
    // (--json, CSV, Prometheus, the history log) never changes with it.
    {
        bytelora::QSettingsStore store;
        bytelora::InstallTranslations(
            bytelora::Settings(store).Get(bytelora::kLanguageKey, bytelora::kSystemLanguage));
    }
    const std::vector<std::string> args(argv + 1, argv + argc);
    const ParseResult parsed = ParseCommandLine(args);
    if (!parsed.options) {
        std::cerr << "bytelora-cli: " << parsed.error << "\n\n" << UsageText();
        return 2;
    }
    switch (parsed.options->command) {
        case Command::Help:
            std::cout << UsageText();
            return 0;
        case Command::Version:
            std::cout << "bytelora-cli " BYTELORA_VERSION "\n";
            return 0;
        case Command::Usage: {
            const bytelora::SystemClock clock;
            return Usage(*parsed.options, bytelora::SystemUsageEnvironment(), StoredLimit(), clock,
                         std::cout, std::cerr);
        }
        default:
            break;
    }
    auto source = bytelora::MakeSystemInterfaceTable();
    const auto interfaces = InterfacesToCount(parsed.options->interfaces, std::cerr);
    switch (parsed.options->command) {
        case Command::Interfaces:
            return ListInterfaces(*source, interfaces, std::cout, std::cerr);
        case Command::Watch:
            return Watch(*source, interfaces, std::cout, std::cerr);
        case Command::Log:
            return Log(*source, parsed.options->every, interfaces, parsed.options->textfileDir,
                       std::cout, std::cerr);
        case Command::Apps:
            return Apps(*parsed.options, *source, interfaces, bytelora::countd::CountdSocketPath(),
                        std::cout, std::cerr);
        default:
            return 2;
    }
}
