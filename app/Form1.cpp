// The main window's life: construction, event wiring, window states and shutdown, the
// start-with-session options and the pointer rules.
#include "app/Form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QWindow>

#include <exception>
#include <functional>

#include "app/Form1Parts.h"
#include "common/AppText.h"
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

Form1::Form1(Services services, QWidget* parent)
    : QWidget(parent),
      services_(std::move(services)),
      reporter_(std::make_unique<ErrorReporter>(services_.boxes)),
      parts_(std::make_unique<Form1Parts>(services_.settings)) {
    BuildControls();
    WireEvents();
}

Form1::~Form1() {
    parts_->usageWindow.reset();
    parts_->usage.reset();  // writes what is pending
    // The tray control takes its icon out as it ends; the backend outlives the window.
    parts_->tray.reset();
    services_.tray.SetMenu(nullptr);
    parts_->graph.reset();
}

std::int32_t Form1::LogInterval() const {
    return parts_->scheduler.LogInterval();
}
std::int32_t Form1::SecondsElapsed() const {
    return parts_->scheduler.SecondsElapsed();
}
Form2* Form1::GraphWindow() const {
    return parts_->graph.get();
}
cSysTray* Form1::cSysTray1() const {
    return parts_->tray.get();
}
const QImage& Form1::ChartImage() const {
    return parts_->chart.Image();
}

template <class Handler>
void Form1::RunUnguarded(Handler&& handler) {
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

// For the handlers of the other Form1 files.
template void Form1::RunUnguarded<std::function<void()>>(std::function<void()>&&);

void Form1::WireEvents() {
    parts_->tray = std::make_unique<cSysTray>(
        services_.tray, services_.clock,
        services_.waitForEvents ? services_.waitForEvents : services_.processEvents);
    connect(parts_->tray.get(), &cSysTray::MouseUp, this,
            [this](std::int16_t button, std::int32_t id) {
                // The right button opens the tray menu instead.
                if (button == 2) return;
                RunUnguarded([&] { cSysTray1_MouseUp(button, id); });
            });
    connect(parts_->tray.get(), &cSysTray::TrayAvailabilityChanged, this,
            [this](bool available) {
                RunUnguarded([&] { cSysTray1_AvailabilityChanged(available); });
            },
            // Bringing the window back or hiding it (with its balloon's wait) is not done
            // inside the desktop's notice.
            Qt::QueuedConnection);
    WireTrayMenu();

    // No timer handler may run before start-up has finished.
    connect(&Timer1, &QTimer::timeout, this, [this] {
        if (loaded_) Timer1_Timer();
    });
    connect(&Timer2, &QTimer::timeout, this, [this] { SamplerWakeUp(); });
    connect(&Timer3, &QTimer::timeout, this, [this] { MeterWakeUp(); });

    connect(PushButton1, &QPushButton::clicked, this, [this] { PushButton1_Click(); });
    connect(PushButton2, &QPushButton::clicked, this, [this] { PushButton2_Click(); });
    connect(PushButton3, &QPushButton::clicked, this, [this] { PushButton3_Click(); });
    connect(PushButton4, &QPushButton::clicked, this, [this] { PushButton4_Click(); });
    connect(PushButton5, &QPushButton::clicked, this, [this] { PushButton5_Click(); });
    connect(PushButton6, &QPushButton::clicked, this, [this] { PushButton6_Click(); });
    connect(Check4, &QCheckBox::toggled, this, [this] { RunUnguarded([&] { Check4_Click(); }); });
    connect(Check8, &QCheckBox::toggled, this, [this] { RunUnguarded([&] { Check8_Click(); }); });

    const auto forgetIntervalText = [this] { intervalText_.reset(); };
    QAbstractItemModel* intervals = ListView2->model();
    connect(ListView2->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            forgetIntervalText);
    connect(intervals, &QAbstractItemModel::dataChanged, this, forgetIntervalText);
    connect(intervals, &QAbstractItemModel::rowsRemoved, this, forgetIntervalText);
    connect(intervals, &QAbstractItemModel::modelReset, this, forgetIntervalText);
    connect(intervals, &QAbstractItemModel::layoutChanged, this, forgetIntervalText);
    connect(ListView2, &QTreeWidget::itemSelectionChanged, this,
            [this] { OnIntervalSelectionChanged(); });
    connect(ListView2, &QTreeWidget::itemClicked, this, [this] { OnIntervalItemClicked(); });

    for (QWidget* watched : {static_cast<QWidget*>(PushButton1), static_cast<QWidget*>(PushButton2),
                             static_cast<QWidget*>(PushButton3), static_cast<QWidget*>(PushButton4),
                             static_cast<QWidget*>(PushButton5), static_cast<QWidget*>(PushButton6),
                             static_cast<QWidget*>(Frame1), static_cast<QWidget*>(Frame2),
                             ListView1->viewport(), ListView2->viewport(),
                             static_cast<QWidget*>(ListView1), static_cast<QWidget*>(ListView2)}) {
        watched->setMouseTracking(true);
        watched->installEventFilter(this);
    }
}

// ---- Interval list: a change of the selection, by mouse or keyboard, is a choice. ----

void Form1::OnIntervalSelectionChanged() {
    if (selectingInterval_) return;
    const QList<QTreeWidgetItem*> selected = ListView2->selectedItems();
    if (selected.isEmpty()) {
        // A Ctrl+click or Ctrl+Space on the chosen entry would leave the list without a
        // choice, and every tick without an interval. The entry stays chosen, and the
        // click that took it away is no choice either.
        selectionChangedByMouse_ = intervalPressed_;
        if (intervalRow_ >= 0) RunUnguarded([&] { SelectInterval(intervalRow_ + 1); });
        return;
    }
    intervalRow_ = ListView2->indexOfTopLevelItem(selected.front());
    if (loading_) return;
    selectionChangedByMouse_ = intervalPressed_;
    RunUnguarded([&] { ListView2_Click(); });
}

void Form1::OnIntervalItemClicked() {
    // A click that moved the selection was handled as the selection changed; a click on
    // the entry already selected still restarts the count.
    if (selectionChangedByMouse_) {
        selectionChangedByMouse_ = false;
        return;
    }
    if (loading_) return;
    RunUnguarded([&] { ListView2_Click(); });
}

// ---- Settings ----

bool Form1::StoreSetting(const std::string& key, const std::string& value) {
    try {
        parts_->settings.Save(key, value);
        return true;
    } catch (const SettingsError& failure) {
        services_.boxes.Show(AppTitle(),
                             "The setting \"" + key + "\" could not be saved:\r\n" + failure.what(),
                             BoxIcon::Warning);
        return false;
    }
}

// ---- Start with the session ----

void Form1::Check4_Click() {
    if (loading_) return;
    if (Check4->isChecked()) {
        try {
            services_.startup.Register(services_.programFile);
        } catch (const std::exception& failure) {
            // Not registered: the box and the stored choice say so too.
            {
                const QSignalBlocker quiet(Check4);
                Check4->setChecked(false);
            }
            services_.boxes.Show(
                AppTitle(),
                std::string("Bytelora could not be set to start with your session:\r\n") +
                    failure.what(),
                BoxIcon::Warning);
            return;
        }
        Check8->setVisible(true);
        StoreSetting(kWindowsStartupKey, "On");
    } else {
        try {
            services_.startup.Unregister(services_.programFile);
        } catch (const std::exception& failure) {
            // Still registered: the box stays ticked and nothing else changes.
            {
                const QSignalBlocker quiet(Check4);
                Check4->setChecked(true);
            }
            services_.boxes.Show(
                AppTitle(),
                std::string("Bytelora could not stop starting with your session:\r\n") +
                    failure.what(),
                BoxIcon::Warning);
            return;
        }
        Check8->setChecked(false);  // stores "Minimized" = "Off" when it was ticked
        Check8->setVisible(false);
        StoreSetting(kWindowsStartupKey, "Off");
    }
}

void Form1::Check8_Click() {
    StoreSetting(kMinimizedKey, Check8->isChecked() ? "On" : "Off");
}

// ---- Window states ----

void Form1::ShowAfterLoad() {
    if (windowState() & Qt::WindowMinimized) {
        if (parts_->tray && parts_->tray->TrayAvailable()) {
            Form_Resize();
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
    ListView1->setFocus();
    activateWindow();
}

void Form1::Form_Resize() {
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

void Form1::cSysTray1_MouseUp(int /*button*/, int /*id*/) {
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
    QWidget* focus = focusWidget() != nullptr ? focusWidget() : ListView1;
    focus->setFocus(Qt::ActiveWindowFocusReason);
    hiddenInTray_ = false;
}

void Form1::cSysTray1_AvailabilityChanged(bool available) {
    if (!loaded_ || closing_) return;
    if (!available) {
        // Nothing could bring the window back from a tray that is gone.
        if (hiddenInTray_) cSysTray1_MouseUp(0, 0);
        return;
    }
    if (!hiddenInTray_ && isVisible() && (windowState() & Qt::WindowMinimized)) Form_Resize();
}

void Form1::Form_QueryUnload() {
    closing_ = true;
    StatementGuard guard(*reporter_, "Form1", "Form_QueryUnload");
    guard.Run(100, [&] { SetLoggingTimer(false); });
    guard.Run(102, [&] { parts_->tray->InTray(false); });
    guard.Run(104, [&] { services_.processEvents(); });
    FlushUsageAtExit();
}

void Form1::Form_Unload() {
    ended_ = true;
    // The graph window's own close would only hide it again; the program ends here.
    if (parts_->graph) parts_->graph->hide();
    QCoreApplication::quit();
}

void Form1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && loaded_) {
        // Hiding the window from inside its own state change confuses some window
        // managers; the handler runs as soon as the change has been delivered.
        QMetaObject::invokeMethod(
            this, [this] { RunUnguarded([&] { Form_Resize(); }); }, Qt::QueuedConnection);
    }
}

void Form1::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        CentreOnScreen();
    }
    ShowHeldCountdown();
    QWidget::showEvent(event);
}

void Form1::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    Form_Unload();
    event->accept();
}

// ---- Pointer rules ----

void Form1::SetPointer(MousePointer pointer) {
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

void Form1::PushButton_MouseMove() {
    if (!BusyPointerShowing(pointer_)) SetPointer(MousePointer::Custom);
}
void Form1::Form_MouseMove() {
    if (!BusyPointerShowing(pointer_)) SetPointer(MousePointer::Default);
}
void Form1::ListView1_MouseMove() {
    Form_MouseMove();
}
void Form1::ListView2_MouseMove() {
    Form_MouseMove();
}
void Form1::Frame1_MouseMove() {
    Form_MouseMove();
}
void Form1::Frame2_MouseMove() {
    Form_MouseMove();
}

bool Form1::OverOwnArea(QWidget* widget, QEvent* event) const {
    // Mouse moves and entries both carry the pointer's place in the widget.
    const auto* pointerEvent = static_cast<QSinglePointEvent*>(event);
    return widget->childAt(pointerEvent->position().toPoint()) == nullptr;
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    if (childAt(event->position().toPoint()) == nullptr) Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (watched == ListView2->viewport()) {
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
         {PushButton1, PushButton2, PushButton3, PushButton4, PushButton5, PushButton6}) {
        if (watched == button) {
            PushButton_MouseMove();
            return false;
        }
    }
    if (watched == ListView1 || watched == ListView1->viewport()) {
        ListView1_MouseMove();
    } else if (watched == ListView2 || watched == ListView2->viewport()) {
        ListView2_MouseMove();
    } else if (watched == Frame1) {
        // Over the progress bar inside it the pointer stays as it is.
        if (OverOwnArea(Frame1, event)) Frame1_MouseMove();
    } else if (watched == Frame2) {
        // Over the check boxes inside it the pointer stays as it is.
        if (OverOwnArea(Frame2, event)) Frame2_MouseMove();
    }
    return false;
}

}  // namespace bytelora
