// The main window's life: construction, event wiring, window states and shutdown, the
// start-with-session options and the pointer rules.
#include "app/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QWindow>

#include <exception>
#include <functional>

#include "app/MainWindowParts.h"
#include "common/AppText.h"
#include "settings/SaveOrTell.h"
#include "common/ReportLocations.h"
#include "settings/StartupRegistration.h"

namespace bytelora {
namespace {

constexpr char kWindowsStartupKey[] = "Windows Startup";
constexpr char kMinimizedKey[] = "Minimized";

// The balloon continues its title: "Bytelora" above, "has been minimized..." below.
const QString& BalloonMessage() {
    static const QString message = QStringLiteral(
        "has been minimized to the system tray.\r\n"
        "Click on the blue 'Q' icon (Q for Quillmark) to bring the software back.");
    return message;
}

}  // namespace

MainWindow::MainWindow(Services services, QWidget* parent)
    : QWidget(parent),
      services_(std::move(services)),
      reporter_(std::make_unique<ErrorReporter>(services_.boxes)),
      parts_(std::make_unique<MainWindowParts>(services_.settings)) {
    BuildControls();
    WireEvents();
}

MainWindow::~MainWindow() {
    parts_->usageWindow.reset();
    parts_->usage.reset();  // writes what is pending
    // The tray control takes its icon out as it ends; the backend outlives the window.
    parts_->tray.reset();
    services_.tray.SetMenu(nullptr);
    parts_->graph.reset();
}

std::int32_t MainWindow::LogInterval() const {
    return parts_->scheduler.LogInterval();
}
std::int32_t MainWindow::SecondsElapsed() const {
    return parts_->scheduler.SecondsElapsed();
}
GraphWindow* MainWindow::Graph() const {
    return parts_->graph.get();
}
TrayIcon* MainWindow::Tray() const {
    return parts_->tray.get();
}
const QImage& MainWindow::ChartImage() const {
    return parts_->chart.Image();
}

template <class Handler>
void MainWindow::RunUnguarded(Handler&& handler) {
    try {
        handler();
    } catch (...) {
        try {
            services_.boxes.Show(AppTitle(),
                                 StatementGuard::DescribeFailure(std::current_exception()),
                                 BoxIcon::Warning);
        } catch (...) {
            // Nothing is left to tell the user with; the event loop must go on.
        }
    }
}

// For the handlers of the other MainWindow files.
template void MainWindow::RunUnguarded<std::function<void()>>(std::function<void()>&&);

void MainWindow::WireEvents() {
    parts_->tray = std::make_unique<TrayIcon>(
        services_.tray, services_.clock,
        services_.waitForEvents ? services_.waitForEvents : services_.processEvents);
    connect(parts_->tray.get(), &TrayIcon::MouseUp, this,
            [this](std::int16_t button, std::int32_t id) {
                // The right button opens the tray menu instead.
                if (button == 2) return;
                RunUnguarded([&] { OnTrayMouseUp(button, id); });
            });
    connect(
        parts_->tray.get(), &TrayIcon::TrayAvailabilityChanged, this,
        [this](bool available) { RunUnguarded([&] { OnTrayAvailabilityChanged(available); }); },
        // Bringing the window back or hiding it (with its balloon's wait) is not done
        // inside the desktop's notice.
        Qt::QueuedConnection);
    WireTrayMenu();

    // No timer handler may run before start-up has finished.
    connect(&loggingTimer, &QTimer::timeout, this, [this] {
        if (loaded_) OnLoggingTick();
    });
    connect(&samplerTimer, &QTimer::timeout, this, [this] { SamplerWakeUp(); });
    connect(&meterTimer, &QTimer::timeout, this, [this] { MeterWakeUp(); });

    connect(graphButton, &QPushButton::clicked, this, [this] { OnGraphButtonClicked(); });
    connect(viewLogButton, &QPushButton::clicked, this, [this] { OnViewLogClicked(); });
    connect(copyLogButton, &QPushButton::clicked, this, [this] { OnCopyLogClicked(); });
    connect(helpButton, &QPushButton::clicked, this, [this] { OnHelpClicked(); });
    connect(loggingButton, &QPushButton::clicked, this, [this] { OnLoggingButtonClicked(); });
    connect(clearLogButton, &QPushButton::clicked, this, [this] { OnClearLogClicked(); });
    connect(startWithSessionBox, &QCheckBox::toggled, this,
            [this] { RunUnguarded([&] { OnStartWithSessionClicked(); }); });
    connect(startHiddenBox, &QCheckBox::toggled, this,
            [this] { RunUnguarded([&] { OnStartHiddenClicked(); }); });

    const auto forgetIntervalText = [this] { intervalText_.reset(); };
    QAbstractItemModel* intervals = intervalList->model();
    connect(intervalList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            forgetIntervalText);
    connect(intervals, &QAbstractItemModel::dataChanged, this, forgetIntervalText);
    connect(intervals, &QAbstractItemModel::rowsRemoved, this, forgetIntervalText);
    connect(intervals, &QAbstractItemModel::modelReset, this, forgetIntervalText);
    connect(intervals, &QAbstractItemModel::layoutChanged, this, forgetIntervalText);
    connect(intervalList, &QTreeWidget::itemSelectionChanged, this,
            [this] { OnIntervalSelectionChanged(); });
    connect(intervalList, &QTreeWidget::itemClicked, this, [this] { OnIntervalItemClicked(); });

    for (QWidget* watched :
         {static_cast<QWidget*>(graphButton), static_cast<QWidget*>(viewLogButton),
          static_cast<QWidget*>(copyLogButton), static_cast<QWidget*>(helpButton),
          static_cast<QWidget*>(loggingButton), static_cast<QWidget*>(clearLogButton),
          static_cast<QWidget*>(countdownFrame), static_cast<QWidget*>(startupOptionsFrame),
          snapshotList->viewport(), intervalList->viewport(), static_cast<QWidget*>(snapshotList),
          static_cast<QWidget*>(intervalList)}) {
        watched->setMouseTracking(true);
        watched->installEventFilter(this);
    }
}

// ---- Interval list: a change of the selection, by mouse or keyboard, is a choice. ----

void MainWindow::OnIntervalSelectionChanged() {
    if (selectingInterval_) return;
    const QList<QTreeWidgetItem*> selected = intervalList->selectedItems();
    if (selected.isEmpty()) {
        // A Ctrl+click or Ctrl+Space on the chosen entry would leave the list without a
        // choice, and every tick without an interval. The entry stays chosen, and the
        // click that took it away is no choice either.
        selectionChangedByMouse_ = intervalPressed_;
        if (intervalRow_ >= 0) RunUnguarded([&] { SelectInterval(intervalRow_ + 1); });
        return;
    }
    intervalRow_ = intervalList->indexOfTopLevelItem(selected.front());
    if (loading_) return;
    selectionChangedByMouse_ = intervalPressed_;
    RunUnguarded([&] { OnIntervalListClicked(); });
}

void MainWindow::OnIntervalItemClicked() {
    // A click that moved the selection was handled as the selection changed; a click on
    // the entry already selected still restarts the count.
    if (selectionChangedByMouse_) {
        selectionChangedByMouse_ = false;
        return;
    }
    if (loading_) return;
    RunUnguarded([&] { OnIntervalListClicked(); });
}

// ---- Settings ----

bool MainWindow::StoreSetting(const std::string& key, const std::string& value) {
    return SaveOrTell(parts_->settings, services_.boxes, AppTitle(), key, value);
}

// ---- Start with the session ----

void MainWindow::OnStartWithSessionClicked() {
    if (loading_) return;
    if (startWithSessionBox->isChecked()) {
        try {
            services_.startup.Register(services_.programFile);
        } catch (const std::exception& failure) {
            // Not registered: the box and the stored choice say so too.
            {
                const QSignalBlocker quiet(startWithSessionBox);
                startWithSessionBox->setChecked(false);
            }
            services_.boxes.Show(
                AppTitle(),
                std::string("Bytelora could not be set to start with your session:\r\n") +
                    failure.what(),
                BoxIcon::Warning);
            return;
        }
        startHiddenBox->setVisible(true);
        StoreSetting(kWindowsStartupKey, "On");
    } else {
        try {
            services_.startup.Unregister(services_.programFile);
        } catch (const std::exception& failure) {
            // Still registered: the box stays ticked and nothing else changes.
            {
                const QSignalBlocker quiet(startWithSessionBox);
                startWithSessionBox->setChecked(true);
            }
            services_.boxes.Show(
                AppTitle(),
                std::string("Bytelora could not stop starting with your session:\r\n") +
                    failure.what(),
                BoxIcon::Warning);
            return;
        }
        startHiddenBox->setChecked(false);  // stores "Minimized" = "Off" when it was ticked
        startHiddenBox->setVisible(false);
        StoreSetting(kWindowsStartupKey, "Off");
    }
}

void MainWindow::OnStartHiddenClicked() {
    StoreSetting(kMinimizedKey, startHiddenBox->isChecked() ? "On" : "Off");
}

// ---- Window states ----

void MainWindow::ShowAfterLoad() {
    if (windowState() & Qt::WindowMinimized) {
        if (parts_->tray && parts_->tray->TrayAvailable()) {
            OnResize();
        } else if (!services_.minimiseIsSeen) {
            // Neither a tray nor a minimise the desktop lists for sure: shown, not lost.
            overrideWindowState(windowState() & ~Qt::WindowMinimized);
            show();
        } else {
            // Start-up minimised the window as a state only; now the desktop does it.
            overrideWindowState(windowState() & ~Qt::WindowMinimized);
            showMinimized();
        }
        return;
    }
    show();
    snapshotList->setFocus();
    activateWindow();
}

void MainWindow::OnResize() {
    if (loading_) return;
    if (!(windowState() & Qt::WindowMinimized) || hiddenInTray_) return;
    // Without a notification area nothing could bring a hidden window back.
    if (!parts_->tray || !parts_->tray->TrayAvailable()) return;
    hide();
    // Back to normal for the next show, but only in the window's own state: taking the
    // minimised state off the desktop's window maps it again on X11, hidden or not, and
    // doing it before the hide flashes the restored window on Windows. The desktop's
    // window follows when the tray brings it back.
    overrideWindowState(windowState() & ~Qt::WindowMinimized);
    hiddenInTray_ = true;
    parts_->tray->ShowBalloon(BalloonMessage(), QString::fromLatin1(kProductName), 5, true);
}

void MainWindow::OnTrayMouseUp(int /*button*/, int /*id*/) {
    if (windowState() & Qt::WindowMinimized) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    // Hidden while minimised, the desktop's window is still minimised: it must come back
    // normal, not as a taskbar button.
    if (QWindow* native = windowHandle();
        native && !isVisible() && (native->windowStates() & Qt::WindowMinimized)) {
        native->setWindowStates(windowState() & ~Qt::WindowActive);
    }
    show();
    raise();
    activateWindow();
    // The focus goes back where it was: the snapshot list when the window is first shown.
    QWidget* focus = focusWidget() != nullptr ? focusWidget() : snapshotList;
    focus->setFocus(Qt::ActiveWindowFocusReason);
    hiddenInTray_ = false;
}

void MainWindow::OnTrayAvailabilityChanged(bool available) {
    if (!loaded_ || closing_) return;
    if (!available) {
        // Nothing could bring the window back from a tray that is gone.
        if (hiddenInTray_) OnTrayMouseUp(0, 0);
        return;
    }
    if (!hiddenInTray_ && isVisible() && (windowState() & Qt::WindowMinimized)) OnResize();
}

void MainWindow::OnCloseRequested() {
    closing_ = true;
    StatementGuard guard(*reporter_, report::kMainWindow, report::kCloseRequest);
    guard.Run(100, [&] { SetLoggingTimer(false); });
    guard.Run(102, [&] { parts_->tray->InTray(false); });
    guard.Run(104, [&] { services_.processEvents(); });
    FlushUsageAtExit();
}

void MainWindow::OnUnload() {
    ended_ = true;
    // The graph window's own close would only hide it again; the program ends here.
    if (parts_->graph) parts_->graph->hide();
    QCoreApplication::quit();
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && loaded_) {
        // Hiding the window from inside its own state change confuses some window
        // managers; the handler runs as soon as the change has been delivered.
        QMetaObject::invokeMethod(
            this, [this] { RunUnguarded([&] { OnResize(); }); }, Qt::QueuedConnection);
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        CentreOnScreen();
    }
    ShowHeldCountdown();
    QWidget::showEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    OnCloseRequested();
    OnUnload();
    event->accept();
}

// ---- Pointer rules ----

void MainWindow::SetPointer(MousePointer pointer) {
    pointer_ = pointer;
    switch (pointer) {
        case MousePointer::Hourglass:
            setCursor(Qt::WaitCursor);
            break;
        case MousePointer::Custom:
            if (mouseIcon_) {
                setCursor(*mouseIcon_);
            } else {
                unsetCursor();
            }
            break;
        case MousePointer::Default:
            unsetCursor();
            break;
    }
}

namespace {

bool BusyPointerShowing(MousePointer pointer) {
    if (pointer == MousePointer::Hourglass) return true;
    const QCursor* override = QGuiApplication::overrideCursor();
    return override && (override->shape() == Qt::WaitCursor || override->shape() == Qt::BusyCursor);
}

}  // namespace

void MainWindow::OnMouseMoveOverButton() {
    if (!BusyPointerShowing(pointer_)) SetPointer(MousePointer::Custom);
}
void MainWindow::OnMouseMoveOverWindow() {
    if (!BusyPointerShowing(pointer_)) SetPointer(MousePointer::Default);
}
void MainWindow::OnMouseMoveOverSnapshotList() {
    OnMouseMoveOverWindow();
}
void MainWindow::OnMouseMoveOverIntervalList() {
    OnMouseMoveOverWindow();
}
void MainWindow::OnMouseMoveOverCountdown() {
    OnMouseMoveOverWindow();
}
void MainWindow::OnMouseMoveOverStartupOptions() {
    OnMouseMoveOverWindow();
}

bool MainWindow::OverOwnArea(QWidget* widget, QEvent* event) const {
    // Mouse moves and entries both carry the pointer's place in the widget.
    const auto* pointerEvent = static_cast<QSinglePointEvent*>(event);
    return widget->childAt(pointerEvent->position().toPoint()) == nullptr;
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    if (childAt(event->position().toPoint()) == nullptr) OnMouseMoveOverWindow();
    QWidget::mouseMoveEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (watched == intervalList->viewport()) {
        // The filter sees the press before the list handles it: whether the press moves
        // the selection is learnt as the list handles it.
        if (type == QEvent::MouseButtonPress) {
            intervalPressed_ = true;
            selectionChangedByMouse_ = false;
        } else if (type == QEvent::MouseButtonRelease) {
            // A Ctrl+click changes the selection as the list handles the release: the
            // press is over once the release has been handled.
            QTimer::singleShot(0, this, [this] { intervalPressed_ = false; });
        }
    }
    if (type != QEvent::MouseMove && type != QEvent::Enter)
        return QWidget::eventFilter(watched, event);
    for (QPushButton* button :
         {graphButton, viewLogButton, copyLogButton, helpButton, loggingButton, clearLogButton}) {
        if (watched == button) {
            OnMouseMoveOverButton();
            return false;
        }
    }
    if (watched == snapshotList || watched == snapshotList->viewport()) {
        OnMouseMoveOverSnapshotList();
    } else if (watched == intervalList || watched == intervalList->viewport()) {
        OnMouseMoveOverIntervalList();
    } else if (watched == countdownFrame) {
        // Over the progress bar inside it the pointer stays as it is.
        if (OverOwnArea(countdownFrame, event)) OnMouseMoveOverCountdown();
    } else if (watched == startupOptionsFrame) {
        // Over the check boxes inside it the pointer stays as it is.
        if (OverOwnArea(startupOptionsFrame, event)) OnMouseMoveOverStartupOptions();
    }
    return false;
}

}  // namespace bytelora
