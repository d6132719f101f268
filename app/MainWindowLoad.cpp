// Start-up: everything the window needs is set up here before it is first shown.
#include <QSignalBlocker>

#include <filesystem>
#include <stdexcept>

#include "app/MainWindow.h"
#include "app/MainWindowParts.h"
#include "app/Skin.h"
#include "app/Twips.h"
#include "common/AppText.h"
#include "common/ReportLocations.h"
#include "common/Utilities.h"
#include "history/HistoryLog.h"
#include "history/IntervalTable.h"
#include "monitor/LocaleGroupMark.h"
#include "settings/StoredNumber.h"
#include "tray/TrayIcons.h"

namespace bytelora {
namespace {

constexpr char kHandCursorFile[] = "HAND-M.CUR";

// The lists' one column, as designed; in a window grown for longer texts, wider with it.
int ListColumnWidth(double grown) {
    return static_cast<int>(TwipsToPixels(kListColumnWidthTwips) * grown);
}

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void MainWindow::OnLoad() {
    StatementGuard guard(*reporter_, report::kMainWindow, report::kLoad);

    guard.Run(100, [&] { ApplySkin(*this, services_.programFolder); });
    guard.Run(102, [&] {
        parts_->ipHelper = std::make_unique<InterfaceTotals>(
            services_.interfaceTable, [this](const std::string& message) {
                services_.boxes.Show(AppTitle(), message, BoxIcon::None);
            });
        parts_->watch = std::make_unique<TrafficWatch>(
            parts_->ipHelper->CounterBits(), LocaleGroupMark(), services_.interfaceTable.Probe());
        LoadInterfaceChoice();
    });
    LoggingControls& logging = *parts_->logging;
    IntervalChoice& intervals = logging.Intervals();
    StartupOptions& startup = *parts_->startupOptions;
    guard.Run(104, [&] { firstSample_ = true; });
    guard.Run(106, [&] { recvFullScale_ = StripChart::kRecvFullScale; });
    guard.Run(108, [&] { sentFullScale_ = StripChart::kSentFullScale; });
    guard.Run(112, [&] { life_.loading = true; });
    guard.Run(114, [&] {
        setWindowTitle(QString::fromLatin1(kProductName));
        setWindowIcon(ProgramIcon());
        SetAppTitle();
    });

    const auto handCursor = services_.programFolder / kHandCursorFile;
    if (guard.Test(134, [&] { return FileExists(PathToUtf8(handCursor)); })) {
        guard.Run(136, [&] { parts_->pointer->LoadHandCursor(handCursor); });
    }

    guard.Run(138, [&] {
        intervalList->setHeaderLabels({Text(IntervalDisplayText(kIntervalColumnHeader))});
    });
    guard.Run(140, [&] { intervalList->setColumnWidth(0, ListColumnWidth(grownForTexts_)); });
    int statement = 142;
    for (const IntervalEntry& entry : kIntervalTable) {
        guard.Run(statement, [&] {
            // Shown in the user's language; the English text is what the choice means.
            auto* item = new QTreeWidgetItem({Text(IntervalDisplayText(entry.text))});
            item->setData(0, kIntervalTextRole, Text(entry.text));
            intervalList->addTopLevelItem(item);
        });
        statement += 2;
    }
    guard.Run(166, [&] {
        snapshotList->setHeaderLabels({Text(IntervalDisplayText(kSnapshotColumnHeader))});
    });
    guard.Run(168, [&] { snapshotList->setColumnWidth(0, ListColumnWidth(grownForTexts_)); });

    int position = 0;
    guard.Run(170, [&] {
        position = ToInteger16(parts_->settings.Get(kOftenIndexKey, kOftenIndexDefault));
    });
    guard.Run(172, [&] { intervals.SelectInterval(position); });
    // A stored choice that selects nothing falls back to the default entry, stored only
    // when the user chooses.
    if (intervalList->selectedItems().isEmpty() &&
        intervalList->topLevelItemCount() >= kDefaultIntervalPosition) {
        intervals.SelectInterval(kDefaultIntervalPosition);
    }

    guard.Run(174, [&] {
        parts_->graph =
            std::make_unique<GraphWindow>(*reporter_, &parts_->chart.Image(), ProgramIcon());
        parts_->graph->surface->SetImageSource([this] { return &parts_->chart.Image(); });
    });
    // (176) The graph's surface measures in pixels from the start.

    std::string loggingState;
    guard.Run(178, [&] {
        loggingState = parts_->settings.Get(kStartStopStateKey, kStartStopStateDefault);
    });
    if (guard.Test(180, [&] {
            return LoggingStateFromSetting(loggingState) == StoredLoggingState::Off;
        })) {
        guard.Run(182, [&] {
            loggingButton->setText(QString::fromStdString(LoggingText(kTurnOnCaption)));
        });
        guard.Run(184, [&] {
            countdownFrame->setTitle(QString::fromStdString(LoggingText(kLogTurnedOffText)));
        });
        guard.Run(186, [&] { logging.SetLoggingTimer(false); });
    } else if (guard.Test(188, [&] {
                   return LoggingStateFromSetting(loggingState) == StoredLoggingState::On;
               })) {
        guard.Run(190, [&] {
            loggingButton->setText(QString::fromStdString(LoggingText(kTurnOffCaption)));
        });
        guard.Run(192, [&] { logging.SetLoggingTimer(true); });
    }

    guard.Run(194, [&] { parts_->tray->TrayTip(QString::fromLatin1(kProductName)); });
    guard.Run(196, [&] { parts_->tray->InTray(true); });

    guard.Run(198, [&] { startup.ReadStartWithSession(); });
    guard.Run(200, [&] { startup.ReadStartHidden(); });
    if (guard.Test(202, [&] { return startup.StartsWithSession(); })) {
        guard.Run(204, [&] { startup.ShowStartHidden(true); });
        if (guard.Test(206, [&] { return startup.StartsHidden(); })) {
            // Only the window's own state: the desktop never sees a window that start-up
            // hides in the tray (ShowAfterLoad).
            guard.Run(208, [&] { overrideWindowState(windowState() | Qt::WindowMinimized); });
        }
    } else {
        guard.Run(210, [&] { startup.ShowStartHidden(false); });
    }

    guard.Run(210, [&] { historyLogPath_ = bytelora::HistoryLogPath(services_.environment); });
    guard.Run(212, [&] { life_.loading = false; });
    // (214) The graph window exists since statement 174.

    life_.loaded = true;
    // Started together, the three timers come due in the same wake-ups.
    samplerTimer.start();
    meterTimer.start();
    logging.RestartWithTimers();
}

}  // namespace bytelora
