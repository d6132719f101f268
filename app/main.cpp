// Bytelora: the main window over the machine's own services. No command line is read.
#include <QApplication>
#include <QEventLoop>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/Form1.h"
#include "app/ProgramPaths.h"
#include "common/Clock.h"
#include "common/ProcessSetup.h"
#include "common/QtLauncher.h"
#include "common/QtMessageBoxes.h"
#include "history/HistoryLog.h"
#include "netstats/InterfaceTableSource.h"
#include "settings/QSettingsStore.h"
#include "settings/StartupRegistration.h"
#include "tray/QtTrayBackend.h"
#include "tray/cSysTray.h"

int main(int argc, char** argv) {
    bytelora::PrepareProcess();
    QApplication app(argc, argv);
    // The window hides in the tray; closing a message box then must not end the program.
    // The main window ends it when it is closed.
    QApplication::setQuitOnLastWindowClosed(false);

    using namespace bytelora;
    QSettingsStore settings;
    const std::unique_ptr<InterfaceTableSource> interfaceTable = MakeSystemInterfaceTable();
    SystemClock clock;
    QtMessageBoxes boxes;
    QtLauncher launcher;
    const std::unique_ptr<StartupRegistration> startup = MakeSystemStartupRegistration();
    QtTrayBackend tray;

    const ProgramPaths paths = FindProgramPaths();
    Services services{settings,
                      *interfaceTable,
                      clock,
                      boxes,
                      launcher,
                      *startup,
                      tray,
                      paths.programFile,
                      paths.programFolder,
                      &ProcessEnvironment,
                      paths.helpPage,
                      [] { QCoreApplication::processEvents(QEventLoop::AllEvents); },
                      &RunPendingEventsBriefly};

    Form1 window(services);
    window.Form_Load();
    window.ShowAfterLoad();
    return QApplication::exec();
}
