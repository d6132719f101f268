#pragma once

#include <QCheckBox>
#include <QCursor>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/LoggingControls.h"
#include "app/PointerRules.h"
#include "app/Services.h"
#include "app/WindowLife.h"
#include "common/RateUnits.h"
#include "settings/GlanceChoices.h"
#include "widgets/CountdownBar.h"
#include "widgets/CountdownFrame.h"

namespace bytelora {

class InterfaceTotals;
class ErrorReporter;
class InterfaceTable;
class GraphWindow;
class MainWindowParts;
class InterfacesDialog;
class TrayMenu;
class TrayIcon;
class UsageSession;
class UsageWindow;
class AppsWindow;
class RatesWindow;
struct ThroughputReading;

// The main window. It builds its controls, owns the parts that each do one of its jobs
// (the tray, the start-up boxes, logging, the pointer, the shutdown; MainWindowParts) and
// wires the controls' signals to them. Every handler stays reachable under its own name
// here, so that the program's events and the tests reach the same code.
class MainWindow : public QWidget {
    Q_OBJECT

  public:
    // The most rows the snapshot list keeps (LoggingControls).
    static constexpr int kMaxSnapshotRows = LoggingControls::kMaxSnapshotRows;

    explicit MainWindow(Services services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Visible controls.
    CountdownFrame* countdownFrame = nullptr;
    CountdownBar* countdownBar = nullptr;
    QTreeWidget* snapshotList = nullptr;
    QTreeWidget* intervalList = nullptr;
    QGroupBox* startupOptionsFrame = nullptr;
    QCheckBox* startWithSessionBox = nullptr;
    QCheckBox* startHiddenBox = nullptr;
    QPushButton* loggingButton = nullptr;
    QPushButton* graphButton = nullptr;
    QPushButton* viewLogButton = nullptr;
    QPushButton* copyLogButton = nullptr;
    QPushButton* helpButton = nullptr;
    QPushButton* clearLogButton = nullptr;

    // Value holders: hidden, beyond the right edge of the client area.
    QLabel* receivedKbLabel = nullptr;
    QLabel* sentKbLabel = nullptr;
    QLabel* downloadRateLabel = nullptr;
    QLabel* uploadRateLabel = nullptr;
    QLabel* previousReceivedLabel = nullptr;
    QLabel* previousSentLabel = nullptr;
    QLabel* receivedDifferenceLabel = nullptr;
    QLabel* sentDifferenceLabel = nullptr;
    // The box that the copy command fills, hidden like the holders. Made at its first use:
    // a text box costs a document, its layout and the default font from start-up on.
    QTextEdit* ClipboardBox();

    // Timers. loggingTimer is the logging timer: stopped means logging is off.
    QTimer loggingTimer;
    QTimer samplerTimer;
    QTimer meterTimer;

    // Start-up and window life.
    void OnLoad();
    // The tray's part of the window's life (TrayBehaviour).
    void ShowAfterLoad();
    void OnResize();
    void OnTrayMouseUp(int button, int id);
    void OnTrayAvailabilityChanged(bool available);
    void OnCloseRequested();
    void OnUnload();

    // Live monitor.
    void UpdateInterfaceInfo();
    void OnMeterTick();
    // What the sampler's and the meter's timers run. While neither window is on screen
    // the table is read in the meter's wake-up instead of four times a second.
    void SamplerWakeUp();
    void MeterWakeUp();
    bool SamplingWithMeter() const { return samplingWithMeter_; }

    // The tray menu, the live tip and the choice of interfaces.
    // Sets the tray tip to the current rates, once a second, when the text changed.
    void UpdateTrayTip();
    // Opens (or brings forward) the "Interfaces" dialog over the latest table read.
    void ShowInterfacesDialog();
    // Counts the given interfaces from the next read on and stores the choice; empty
    // names mean the automatic choice.
    void ChooseInterfaces(const std::vector<std::string>& names);
    TrayMenu* TrayIconMenu() const;

    // The tray icon's picture: the logo, the rates or the graph, in bytes or bits.
    void ChooseTrayIconShows(TrayIconShows shows);
    void ChooseRateUnits(RateUnits units);
    // One meter second at a glance: into the tray icon's picture, sent when it changed,
    // and into the small meter when it is shown.
    void ShowGlanceRates(const ThroughputReading& reading);
    InterfacesDialog* InterfacesWindow() const;

    // Logging (LoggingControls) and history.
    LoggingControls& Logging();
    void OnLoggingTick();
    void OnLoggingButtonClicked();
    void OnIntervalListClicked();
    void OnGraphButtonClicked();
    void OnViewLogClicked();
    void OnCopyLogClicked();
    void OnHelpClicked();
    void OnClearLogClicked();

    // Start with the session (StartupOptions).
    void OnStartWithSessionClicked();
    void OnStartHiddenClicked();

    // Pointer rules (PointerRules).
    void OnMouseMoveOverWindow();
    void OnMouseMoveOverSnapshotList();
    void OnMouseMoveOverIntervalList();
    void OnMouseMoveOverCountdown();
    void OnMouseMoveOverStartupOptions();
    void OnMouseMoveOverButton();

    // State that the handlers share.
    bool Loading() const { return life_.loading; }
    bool Loaded() const { return life_.loaded; }
    bool HiddenInTray() const;
    bool FirstSample() const { return firstSample_; }
    double RecvFullScale() const { return recvFullScale_; }
    double SentFullScale() const { return sentFullScale_; }
    const std::string& HistoryLogPath() const { return historyLogPath_; }
    std::int32_t LogInterval() const;
    std::int32_t SecondsElapsed() const;
    MousePointer Pointer() const;
    void SetPointer(MousePointer pointer);
    const QCursor* MouseIcon() const;
    GraphWindow* Graph() const;
    TrayIcon* Tray() const;
    const QImage& ChartImage() const;
    // Whether a close of the window has ended the program.
    bool Ended() const { return life_.ended; }

    // Data usage: the "Data usage" window, made the first time it is shown, and the
    // write of what is pending (at exit and at the end of the desktop session).
    void ShowUsageWindow();
    UsageWindow* DataUsageWindow() const;
    UsageSession* DataUsage() const;
    void FlushUsage();
    void FlushUsageAtExit();

    // The "Applications" window, made the first time it is shown.
    void ShowAppsWindow();
    AppsWindow* ApplicationsWindow() const;

    // The small meter above other windows ("Rates Window" in the tray menu), made the
    // first time it is shown. Each of the first two stores the choice, as the menu's
    // entries do; the units are stored by the menu that chooses them.
    void SetRatesWindowOn(bool on);
    void SetRatesWindowChart(bool on);
    void SetGlanceUnits(RateUnits units);
    RatesWindow* RatesMeter() const;

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    void SetTabOrder();
    // Makes room for translated texts longer than the English the window was designed for.
    void FitTranslatedTexts();
    void MakeParts();
    void WireEvents();
    void WireTrayMenu();
    void WireGlanceMenus();
    void SendTrayPicture();
    void WireRatesWindow();
    void ShowStoredRatesWindow();
    void ShowRatesWindow(bool on);
    void MakeRatesWindow();
    void UpdateRatesWindow();
    // Applies the stored choice of interfaces; a damaged one is told once and left as it is.
    void LoadInterfaceChoice();
    void CentreOnScreen();
    // Stores one setting; a store that cannot be written is told to the user.
    bool StoreSetting(const std::string& key, const std::string& value);
    // Runs a handler that has no error report box of its own: a failure is told in a
    // plain box instead of escaping into Qt's event dispatch.
    template <class Handler>
    void RunUnguarded(Handler&& handler);
    bool OnScreen() const;
    void SampleWithMeter(bool together);
    void StartUsage();
    void RecordUsage(const InterfaceTable& table);
    void CheckUsageLimit();

    Services services_;
    std::unique_ptr<ErrorReporter> reporter_;
    // Read by the parts, which end before it.
    WindowLife life_;
    std::string historyLogPath_;
    std::unique_ptr<MainWindowParts> parts_;

    bool firstSample_ = true;
    bool placed_ = false;
    bool samplingWithMeter_ = false;
    double recvFullScale_ = 512.0;
    double sentFullScale_ = 512.0;
    QTextEdit* clipboardBox_ = nullptr;
    // How much wider than designed the window grew for translated texts (1: as designed).
    double grownForTexts_ = 1.0;
};

}  // namespace bytelora
