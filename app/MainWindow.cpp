// The main window's wiring: it makes its parts, connects each control's signal to the
// part that handles it, and forwards the window's own events and the handlers' names.
#include "app/MainWindow.h"

#include <QCloseEvent>
#include <QMouseEvent>

#include <functional>

#include "app/FailureBox.h"
#include "app/MainWindowParts.h"
#include "common/AppText.h"
#include "settings/SaveOrTell.h"

namespace bytelora {

MainWindow::MainWindow(Services services, QWidget* parent)
    : QWidget(parent),
      services_(std::move(services)),
      reporter_(std::make_unique<ErrorReporter>(services_.boxes)),
      parts_(std::make_unique<MainWindowParts>(services_.settings)) {
    BuildControls();
    MakeParts();
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
    RunWithFailureBox(services_.boxes, std::forward<Handler>(handler));
}

// For the handlers of the other MainWindow files.
template void MainWindow::RunUnguarded<std::function<void()>>(std::function<void()>&&);

bool MainWindow::StoreSetting(const std::string& key, const std::string& value) {
    return SaveOrTell(parts_->settings, services_.boxes, AppTitle(), key, value);
}

void MainWindow::MakeParts() {
    MainWindowParts& parts = *parts_;
    parts.trayBehaviour = std::make_unique<TrayBehaviour>(*this, *snapshotList, life_, parts.tray,
                                                          services_.minimiseIsSeen);
    parts.startupOptions = std::make_unique<StartupOptions>(
        *startWithSessionBox, *startHiddenBox, parts.settings, services_.boxes, services_.startup,
        services_.programFile, life_);
    parts.pointer = std::make_unique<PointerRules>(
        *this, PointerRules::Areas{{graphButton, viewLogButton, copyLogButton, helpButton,
                                    loggingButton, clearLogButton},
                                   snapshotList,
                                   intervalList,
                                   countdownFrame,
                                   startupOptionsFrame});
    parts.logging = std::make_unique<LoggingControls>(
        LoggingControls::Controls{this, loggingButton, intervalList, snapshotList, countdownFrame,
                                  countdownBar, downloadRateLabel, uploadRateLabel, &loggingTimer,
                                  &samplerTimer},
        LoggingControls::Context{
            parts.settings, services_.boxes, services_.clock, *reporter_, parts.scheduler, life_,
            historyLogPath_, services_.processEvents, [this] { return samplingWithMeter_; },
            [&pointer = *parts.pointer] { pointer.SetPointer(MousePointer::Default); }});
    LoggingControls& logging = *parts.logging;
    parts.shutdown = std::make_unique<Shutdown>(
        life_, *reporter_, parts.tray, parts.graph,
        Shutdown::Steps{[&logging] { logging.SetLoggingTimer(false); }, services_.processEvents,
                        [this] { FlushUsageAtExit(); }});
}

void MainWindow::WireEvents() {
    parts_->tray = std::make_unique<TrayIcon>(
        services_.tray, services_.clock,
        services_.waitForEvents ? services_.waitForEvents : services_.processEvents);
    TrayBehaviour& trayBehaviour = *parts_->trayBehaviour;
    connect(parts_->tray.get(), &TrayIcon::MouseUp, this,
            [this, &trayBehaviour](std::int16_t button, std::int32_t id) {
                // The right button opens the tray menu instead.
                if (button == 2) return;
                RunUnguarded([&] { trayBehaviour.OnTrayMouseUp(button, id); });
            });
    connect(
        parts_->tray.get(), &TrayIcon::TrayAvailabilityChanged, this,
        [this, &trayBehaviour](bool available) {
            RunUnguarded([&] { trayBehaviour.OnTrayAvailabilityChanged(available); });
        },
        // Bringing the window back or hiding it (with its balloon's wait) is not done
        // inside the desktop's notice.
        Qt::QueuedConnection);
    WireTrayMenu();

    // The logging part is the context of its own connections: they end with it, before
    // the controls that signal them.
    LoggingControls& logging = *parts_->logging;
    // No timer handler may run before start-up has finished.
    connect(&loggingTimer, &QTimer::timeout, &logging, [this, &logging] {
        if (life_.loaded) logging.OnLoggingTick();
    });
    connect(&samplerTimer, &QTimer::timeout, this, [this] { SamplerWakeUp(); });
    connect(&meterTimer, &QTimer::timeout, this, [this] { MeterWakeUp(); });

    connect(graphButton, &QPushButton::clicked, this, [this] { OnGraphButtonClicked(); });
    connect(viewLogButton, &QPushButton::clicked, this, [this] { OnViewLogClicked(); });
    connect(copyLogButton, &QPushButton::clicked, this, [this] { OnCopyLogClicked(); });
    connect(helpButton, &QPushButton::clicked, this, [this] { OnHelpClicked(); });
    connect(loggingButton, &QPushButton::clicked, &logging,
            [&logging] { logging.OnLoggingButtonClicked(); });
    connect(clearLogButton, &QPushButton::clicked, this, [this] { OnClearLogClicked(); });
    StartupOptions& startup = *parts_->startupOptions;
    connect(startWithSessionBox, &QCheckBox::toggled, this,
            [this, &startup] { RunUnguarded([&] { startup.OnStartWithSessionClicked(); }); });
    connect(startHiddenBox, &QCheckBox::toggled, this,
            [this, &startup] { RunUnguarded([&] { startup.OnStartHiddenClicked(); }); });

    IntervalChoice& intervals = logging.Intervals();
    const auto forgetIntervalText = [&intervals] { intervals.ForgetText(); };
    QAbstractItemModel* model = intervalList->model();
    connect(intervalList->selectionModel(), &QItemSelectionModel::selectionChanged, &intervals,
            forgetIntervalText);
    connect(model, &QAbstractItemModel::dataChanged, &intervals, forgetIntervalText);
    connect(model, &QAbstractItemModel::rowsRemoved, &intervals, forgetIntervalText);
    connect(model, &QAbstractItemModel::modelReset, &intervals, forgetIntervalText);
    connect(model, &QAbstractItemModel::layoutChanged, &intervals, forgetIntervalText);
    connect(intervalList, &QTreeWidget::itemSelectionChanged, &intervals,
            [&intervals] { intervals.OnSelectionChanged(); });
    connect(intervalList, &QTreeWidget::itemClicked, &intervals,
            [&intervals] { intervals.OnItemClicked(); });

    // The presses on the interval list tell the mouse's choices from the keyboard's.
    intervalList->viewport()->installEventFilter(&intervals);
    parts_->pointer->Watch();
}

// ---- Forwarded to the parts under the handlers' own names ----

bool MainWindow::HiddenInTray() const {
    return parts_->trayBehaviour->HiddenInTray();
}
void MainWindow::ShowAfterLoad() {
    // The meter first: a hidden start without a tray leans on it.
    ShowStoredRatesWindow();
    parts_->trayBehaviour->ShowAfterLoad();
}
void MainWindow::OnResize() {
    parts_->trayBehaviour->OnResize();
}
void MainWindow::OnTrayMouseUp(int button, int id) {
    parts_->trayBehaviour->OnTrayMouseUp(button, id);
}
void MainWindow::OnTrayAvailabilityChanged(bool available) {
    parts_->trayBehaviour->OnTrayAvailabilityChanged(available);
}

void MainWindow::OnStartWithSessionClicked() {
    parts_->startupOptions->OnStartWithSessionClicked();
}
void MainWindow::OnStartHiddenClicked() {
    parts_->startupOptions->OnStartHiddenClicked();
}

LoggingControls& MainWindow::Logging() {
    return *parts_->logging;
}
void MainWindow::OnLoggingTick() {
    parts_->logging->OnLoggingTick();
}
void MainWindow::OnLoggingButtonClicked() {
    parts_->logging->OnLoggingButtonClicked();
}
void MainWindow::OnIntervalListClicked() {
    parts_->logging->Intervals().OnIntervalListClicked();
}

MousePointer MainWindow::Pointer() const {
    return parts_->pointer->Pointer();
}
void MainWindow::SetPointer(MousePointer pointer) {
    parts_->pointer->SetPointer(pointer);
}
const QCursor* MainWindow::MouseIcon() const {
    return parts_->pointer->MouseIcon();
}
void MainWindow::OnMouseMoveOverWindow() {
    parts_->pointer->OnMouseMoveOverWindow();
}
void MainWindow::OnMouseMoveOverSnapshotList() {
    parts_->pointer->OnMouseMoveOverSnapshotList();
}
void MainWindow::OnMouseMoveOverIntervalList() {
    parts_->pointer->OnMouseMoveOverIntervalList();
}
void MainWindow::OnMouseMoveOverCountdown() {
    parts_->pointer->OnMouseMoveOverCountdown();
}
void MainWindow::OnMouseMoveOverStartupOptions() {
    parts_->pointer->OnMouseMoveOverStartupOptions();
}
void MainWindow::OnMouseMoveOverButton() {
    parts_->pointer->OnMouseMoveOverButton();
}

void MainWindow::OnCloseRequested() {
    parts_->shutdown->OnCloseRequested();
}
void MainWindow::OnUnload() {
    parts_->shutdown->OnUnload();
}

// ---- The window's own events ----

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && life_.loaded) {
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
    parts_->logging->ShowHeldCountdown();
    QWidget::showEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    OnCloseRequested();
    OnUnload();
    event->accept();
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    parts_->pointer->OnWindowMouseMove(event->position());
    QWidget::mouseMoveEvent(event);
}

}  // namespace bytelora
