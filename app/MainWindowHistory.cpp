// The commands on the history: graph, view, copy, clear and help.
#include <QClipboard>
#include <QGuiApplication>
#include <QTextCursor>

#include <optional>

#include "app/MainWindow.h"
#include "app/MainWindowParts.h"
#include "common/AppText.h"
#include "common/Launcher.h"
#include "common/ReportLocations.h"
#include "common/Utilities.h"
#include "history/HistoryCommands.h"
#include "history/HistoryLog.h"

namespace bytelora {

void MainWindow::OnGraphButtonClicked() {
    StatementGuard guard(*reporter_, report::kMainWindow, report::kGraphButton);
    guard.Run(100, [&] {
        parts_->graph->show();
        parts_->graph->raise();
    });
}

void MainWindow::OnViewLogClicked() {
    StatementGuard guard(*reporter_, report::kMainWindow, report::kViewLogButton);
    if (guard.Test(100, [&] { return FileExists(historyLogPath_); })) {
        guard.Run(102, [&] { services_.launcher.OpenTextFile(historyLogPath_); });
    } else {
        guard.Run(104,
                  [&] { services_.boxes.Show(AppTitle(), kNoHistoryToViewText, BoxIcon::None); });
    }
}

void MainWindow::OnCopyLogClicked() {
    StatementGuard guard(*reporter_, report::kMainWindow, report::kCopyLogButton);
    if (!guard.Test(100, [&] { return FileExists(historyLogPath_); })) return;
    // The text goes to the clipboard exactly as the file holds it (line ends included);
    // the box keeps a copy the way the window always has.
    std::optional<QString> logText;
    guard.Run(102, [&] {
        logText = QString::fromStdString(ReadHistoryLog(historyLogPath_));
        ClipboardBox()->setPlainText(*logText);
    });
    // A log that could not be read puts nothing on the clipboard: the box has told the
    // user, and an older text must not pass for the log.
    if (!logText) return;
    guard.Run(104, [&] {
        QTextCursor cursor = ClipboardBox()->textCursor();
        cursor.setPosition(0);
        ClipboardBox()->setTextCursor(cursor);
    });
    guard.Run(106, [&] { ClipboardBox()->selectAll(); });
    guard.Run(108, [&] { QGuiApplication::clipboard()->setText(*logText); });
}

void MainWindow::OnClearLogClicked() {
    StatementGuard guard(*reporter_, report::kMainWindow, report::kClearLogButton);
    // Only a Yes clears: a question that could not even be asked deletes nothing.
    bool confirmed = false;
    guard.Run(100,
              [&] { confirmed = services_.boxes.AskYesNo(AppTitle(), kConfirmClearHistoryText); });
    if (!confirmed) return;
    guard.Run(102, [&] { DeleteFileQuietly(historyLogPath_); });
    guard.Run(104, [&] { snapshotList->clear(); });
}

void MainWindow::OnHelpClicked() {
    StatementGuard guard(*reporter_, report::kMainWindow, report::kHelpButton);
    guard.Run(100, [&] { services_.launcher.OpenPage(PathToUtf8(services_.helpPage)); });
}

}  // namespace bytelora
