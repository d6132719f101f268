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

#include "app/CountdownBar.h"
#include "app/CountdownFrame.h"
#include "app/Services.h"

namespace bytelora {

class CIpHelper;
class ErrorReporter;
class CInterfaces;
class Form2;
class Form1Parts;
class InterfacesDialog;
class TrayMenu;
class cSysTray;
class UsageSession;
class UsageWindow;
class AppsWindow;

// The pointer setting of the main window: the default arrow, the busy hourglass, or the
// custom hand image loaded at start-up.
enum class MousePointer { Default = 0, Hourglass = 11, Custom = 99 };

// The main window. Every control carries its design name as member and object name, and
// every handler is public so that the program's events and the tests reach the same code.
class Form1 : public QWidget {
    Q_OBJECT

  public:
    // The snapshot list shows the newest rows of the run, at most this many: at one
    // snapshot a second an unbounded list would take gigabytes within months, and the
    // history log keeps every line anyway.
    static constexpr int kMaxSnapshotRows = 10000;

    explicit Form1(Services services, QWidget* parent = nullptr);
    ~Form1() override;

    // Visible controls.
    CountdownFrame* Frame1 = nullptr;
    CountdownBar* ProgressBar1 = nullptr;
    QTreeWidget* ListView1 = nullptr;
    QTreeWidget* ListView2 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QCheckBox* Check4 = nullptr;
    QCheckBox* Check8 = nullptr;
    QPushButton* PushButton5 = nullptr;
    QPushButton* PushButton1 = nullptr;
    QPushButton* PushButton2 = nullptr;
    QPushButton* PushButton3 = nullptr;
    QPushButton* PushButton4 = nullptr;
    QPushButton* PushButton6 = nullptr;

    // Value holders: hidden, beyond the right edge of the client area.
    QLabel* lblRecv = nullptr;
    QLabel* lblSent = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    // The box that the copy command fills, hidden like the holders. Made at its first use:
    // a text box costs a document, its layout and the default font from start-up on.
    QTextEdit* RichTextBox1();

    // Timers. Timer1 is the logging timer: stopped means logging is off.
    QTimer Timer1;
    QTimer Timer2;
    QTimer Timer3;

    // Start-up and window life.
    void Form_Load();
    // Shows the window as start-up left it: normal and centred, or hidden in the tray.
    void ShowAfterLoad();
    void Form_Resize();
    void cSysTray1_MouseUp(int button, int id);
    // The notification area went away or a new one appeared: a window hidden in a tray
    // that is gone comes back, and a window left minimised for want of a tray goes into
    // the new one, as the minimise meant.
    void cSysTray1_AvailabilityChanged(bool available);
    void Form_QueryUnload();
    void Form_Unload();

    // Live monitor.
    void UpdateInterfaceInfo();
    void Timer3_Timer();
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
    TrayMenu* cSysTray1Menu() const;
    InterfacesDialog* InterfacesWindow() const;

    // Logging and history.
    void Timer1_Timer();
    void PushButton5_Click();
    void ListView2_Click();
    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton3_Click();
    void PushButton4_Click();
    void PushButton6_Click();

    // Start with the session.
    void Check4_Click();
    void Check8_Click();

    // Pointer rules.
    void Form_MouseMove();
    void ListView1_MouseMove();
    void ListView2_MouseMove();
    void Frame1_MouseMove();
    void Frame2_MouseMove();
    void PushButton_MouseMove();

    // State that the handlers share.
    bool Loading() const { return loading_; }
    bool Loaded() const { return loaded_; }
    bool HiddenInTray() const { return hiddenInTray_; }
    bool FirstSample() const { return firstSample_; }
    double RecvFullScale() const { return recvFullScale_; }
    double SentFullScale() const { return sentFullScale_; }
    const std::string& HistoryLogPath() const { return historyLogPath_; }
    std::int32_t LogInterval() const;
    std::int32_t SecondsElapsed() const;
    MousePointer Pointer() const { return pointer_; }
    void SetPointer(MousePointer pointer);
    const QCursor* MouseIcon() const { return mouseIcon_ ? &*mouseIcon_ : nullptr; }
    Form2* GraphWindow() const;
    cSysTray* cSysTray1() const;
    const QImage& ChartImage() const;
    // Whether a close of the window has ended the program.
    bool Ended() const { return ended_; }

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

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void SetTabOrder();
    void WireEvents();
    void WireTrayMenu();
    // Applies the stored choice of interfaces; a damaged one is told once and left as it is.
    void LoadInterfaceChoice();
    void CentreOnScreen();
    // Stores one setting; a store that cannot be written is told to the user.
    bool StoreSetting(const std::string& key, const std::string& value);
    // Runs a handler that has no error report box of its own: a failure is told in a
    // plain box instead of escaping into Qt's event dispatch.
    template <class Handler>
    void RunUnguarded(Handler&& handler);
    void SetLoggingTimer(bool running);
    // Restarts a newly started logging timer in step with the sampler's timer.
    void AlignLoggingTimer();
    std::string SelectedIntervalText() const;
    // The countdown's caption and bar value, held back while hidden in the tray.
    bool HoldsCountdown() const;
    void ShowCaption(const QString& text);
    void ShowProgress(int value);
    QString Caption() const;
    void ShowHeldCountdown();
    void SelectInterval(int position);
    void OnIntervalSelectionChanged();
    void OnIntervalItemClicked();
    bool OverOwnArea(QWidget* widget, QEvent* event) const;
    bool OnScreen() const;
    void SampleWithMeter(bool together);
    void StartUsage();
    void RecordUsage(const CInterfaces& table);
    void CheckUsageLimit();

    Services services_;
    std::unique_ptr<ErrorReporter> reporter_;
    std::unique_ptr<Form1Parts> parts_;

    bool loading_ = false;
    bool loaded_ = false;
    bool hiddenInTray_ = false;
    bool firstSample_ = true;
    bool inTimer1_ = false;
    bool closing_ = false;
    bool ended_ = false;
    bool intervalUnreadable_ = false;
    // The chosen interval's text, read from the list once per choice instead of every
    // tick; emptied when the list's selection or items change.
    mutable std::optional<std::string> intervalText_;
    bool selectingInterval_ = false;
    bool selectionChangedByMouse_ = false;
    bool intervalPressed_ = false;
    // The row of the interval list's current choice; -1 before the first.
    int intervalRow_ = -1;
    bool placed_ = false;
    bool alignLoggingTimer_ = false;
    bool samplingWithMeter_ = false;
    double recvFullScale_ = 512.0;
    double sentFullScale_ = 512.0;
    std::string historyLogPath_;
    QString savedFrameCaption_;
    std::optional<QString> heldCaption_;
    std::optional<int> heldProgress_;
    MousePointer pointer_ = MousePointer::Default;
    std::optional<QCursor> mouseIcon_;
    QTextEdit* richTextBox1_ = nullptr;
};

}  // namespace bytelora
