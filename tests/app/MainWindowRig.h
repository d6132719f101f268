#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "app/MainWindow.h"
#include "common/ErrorReport.h"
#include "common/ReportLocations.h"
#include "support/FakeClock.h"
#include "support/FakeInterfaceTable.h"
#include "support/FakeLauncher.h"
#include "support/FakeStartupRegistration.h"
#include "support/FakeTrayBackend.h"
#include "support/MemorySettingsStore.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempDir.h"
#include "tray/TrayIcon.h"
#include "views/GraphWindow.h"

namespace bytelora::testing {

// A real main window over fakes: an in-memory store, a hand-filled interface table, a
// clock that moves when told, boxes nobody clicks, and a temporary TEMP folder.
struct MainWindowRig {
    TempDir dir;
    MemorySettingsStore settings;
    FakeInterfaceTable table;
    FakeClock clock;
    RecordingMessageBoxes boxes;
    FakeLauncher launcher;
    FakeStartupRegistration startup;
    FakeTrayBackend tray;
    std::map<std::string, std::string> environment;
    int eventSteps = 0;
    // Runs where the window lets pending events run.
    std::function<void()> onEvents;
    // Runs at each step of the tray balloon's wait.
    std::function<void()> onBalloonWait;
    std::unique_ptr<MainWindow> form;

    MainWindowRig() {
        environment["TEMP"] = dir.path().string();
        table.AddRow("eth0", 2, kIfTypeEthernet, 0, 0);
    }

    Services MakeServices() {
        return Services{settings, table, clock, boxes, launcher, startup, tray, dir / "bytelora",
                        dir.path(),
                        [this](const std::string& name) -> std::optional<std::string> {
                            const auto it = environment.find(name);
                            if (it == environment.end()) return std::nullopt;
                            return it->second;
                        },
                        dir / "help" / "bytelora-help.html",
                        [this] {
                            ++eventSteps;
                            if (onEvents) onEvents();
                        },
                        // The balloon's wait: each step lets a second pass.
                        [this] {
                            clock.Advance(std::chrono::seconds(1));
                            if (onBalloonWait) onBalloonWait();
                        }};
    }

    MainWindow& Load() {
        form = std::make_unique<MainWindow>(MakeServices());
        form->OnLoad();
        return *form;
    }

    std::string LogPath() const { return (dir / "Bytelora.txt").string(); }

    // Error report boxes that name this routine and statement.
    int ErrorBoxes(const std::string& routine, int statement) const {
        const std::string where = LocationText(report::kMainWindow, routine) + "at line " +
                                  std::to_string(statement) + "\r";
        int count = 0;
        for (const auto& box : boxes.shown()) {
            if (box.title == kErrorBoxTitle && box.text.find(where) != std::string::npos) ++count;
        }
        return count;
    }
    int ErrorBoxCount() const {
        int count = 0;
        for (const auto& box : boxes.shown()) count += box.title == kErrorBoxTitle ? 1 : 0;
        return count;
    }
};

inline std::string Title(const QGroupBox* frame) {
    return frame->title().toStdString();
}

inline std::string SelectedInterval(const MainWindow& form) {
    const auto items = form.intervalList->selectedItems();
    return items.isEmpty() ? std::string() : items.front()->text(0).toStdString();
}

// A mouse click on one entry of the interval list, as the user makes it (press and
// release on the entry's middle), with the given keys held.
inline void ClickIntervalItem(MainWindow& form, int row,
                              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* viewport = form.intervalList->viewport();
    const QPointF at =
        form.intervalList->visualItemRect(form.intervalList->topLevelItem(row)).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, viewport->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, modifiers);
    QApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, viewport->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, modifiers);
    QApplication::sendEvent(viewport, &release);
}

// A minimise as the desktop reports it: the state changes, then the resize handler runs.
inline void Minimise(MainWindow& form) {
    form.setWindowState(form.windowState() | Qt::WindowMinimized);
    form.OnResize();
}

}  // namespace bytelora::testing
