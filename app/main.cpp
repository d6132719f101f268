// Bytelora: the main window over the machine's own services. No command line is read.
#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPixmapCache>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/DisplayPlatform.h"
#include "app/MainLoop.h"
#include "app/MainWindow.h"
#include "app/ProgramPaths.h"
#include "app/QtLauncher.h"
#include "app/QtMessageBoxes.h"
#include "app/SingleInstance.h"
#include "common/Clock.h"
#include "common/ProcessSetup.h"
#include "countd/client/CountdClient.h"
#include "history/HistoryLog.h"
#include "netstats/InterfaceTableSource.h"
#include "settings/QSettingsStore.h"
#include "settings/StartupRegistration.h"
#include "translations/LanguageChoice.h"
#include "translations/Translators.h"
#include "tray/QtTrayBackend.h"
#include "tray/TrayIcon.h"
#include "tray/TrayIcons.h"
#include "usage/UsageSession.h"
#include "widgets/ClippedText.h"

int main(int argc, char** argv) {
    bytelora::PrepareProcess();
    // One name wherever the desktop shows it: the tray entry, its notifications, the
    // task switcher (Qt's default would be the file's lower-case name).
    QCoreApplication::setApplicationName(QStringLiteral("Bytelora"));
    // In a Wayland session, through XWayland: see DisplayPlatform.h.
    bytelora::RequestDisplayPlatform();
    QApplication app(argc, argv);
    bytelora::ForgetDisplayPlatformRequest();
    // Every window without an icon of its own, the message boxes too, shows the program's.
    QApplication::setWindowIcon(bytelora::ProgramIcon());
    // Qt keeps the style's drawing of each control in its pixmap cache, one per widget
    // and state: over half a megabyte for a window that draws most of them once. A small
    // cache still holds what is drawn again and again.
    constexpr int kPixmapCacheKilobytes = 128;
    QPixmapCache::setCacheLimit(kPixmapCacheKilobytes);
    // The window hides in the tray; closing a message box then must not end the program.
    // The main window ends it when it is closed.
    QApplication::setQuitOnLastWindowClosed(false);
    // Ties the windows to the installed desktop entry (its icon and name in docks and
    // task switchers).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.bytelora.Bytelora"));

    using namespace bytelora;
    QSettingsStore settings;
    // Before any text is made: the chosen language, else the system's.
    InstallTranslations(Settings(settings).Get(kLanguageKey, kSystemLanguage));
    ReportClippedTextsWhenAsked();

    // One Bytelora per user: a second start brings the running window forward instead of
    // adding a second tray icon and a second writer to the history log.
    SingleInstance instance(UserInstanceLocation());
    switch (instance.Claim()) {
        case SingleInstance::Role::First:
            break;
        case SingleInstance::Role::HandedOver:
            return EXIT_SUCCESS;
        case SingleInstance::Role::Unanswered:
            // Started from a menu there is no terminal to tell it in.
            QMessageBox::warning(
                nullptr, QStringLiteral("Bytelora"),
                QCoreApplication::translate("main",
                                            "Bytelora is already running but does not "
                                            "answer. Close it, or end it, and start it again."));
            return EXIT_FAILURE;
    }
    if (!instance.Problem().isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(instance.Problem()));

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

    const UsageEnvironment usage = SystemUsageEnvironment();
    services.usage = &usage;
    services.appCounts = [] {
        // Short: the Applications window asks once a second (on a thread of its own), and
        // the usage recorder once a minute, with its write.
        return countd::FetchCounts(countd::CountdSocketPath(), std::chrono::milliseconds(500));
    };
    services.minimiseIsSeen = !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));

    MainWindow window(services);
    // The end of the desktop session may end the process without closing the window:
    // the pending data usage is written then.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window] { window.FlushUsage(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window,
                     [&window] { window.FlushUsage(); });
    // The same restore as a click on the tray icon.
    QObject::connect(&instance, &SingleInstance::ActivationRequested, &window,
                     [&window] { window.OnTrayMouseUp(0, 0); });
    return RunMainWindow(window);
}
