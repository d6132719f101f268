// Closing the main window ends the program: the close request and the unload.
#include "app/Shutdown.h"

#include <QCoreApplication>

#include "common/ErrorReport.h"
#include "common/ReportLocations.h"
#include "tray/TrayIcon.h"
#include "views/GraphWindow.h"

namespace bytelora {

Shutdown::Shutdown(WindowLife& life, ErrorReporter& reporter, const std::unique_ptr<TrayIcon>& tray,
                   const std::unique_ptr<GraphWindow>& graph, Steps steps)
    : life_(life), reporter_(reporter), tray_(tray), graph_(graph), steps_(std::move(steps)) {}

void Shutdown::OnCloseRequested() {
    // Set first: the event step below runs ticks and tray notices that must see it.
    life_.closing = true;
    StatementGuard guard(reporter_, report::kMainWindow, report::kCloseRequest);
    guard.Run(100, [&] { steps_.stopLogging(); });
    guard.Run(102, [&] { tray_->InTray(false); });
    guard.Run(104, [&] { steps_.processEvents(); });
    steps_.flushUsageAtExit();
}

void Shutdown::OnUnload() {
    life_.ended = true;
    // The graph window's own close would only hide it again; the program ends here.
    if (graph_) graph_->hide();
    QCoreApplication::quit();
}

}  // namespace bytelora
