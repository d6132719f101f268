#pragma once

// Where a failure happened, as the error report box names it ("in
// ByteloraApp2021/08/31.<window>.<routine>"). These are the names the box has always
// shown users and support, kept here, in one place, so that the text stays the same
// whatever the code calls its windows and handlers.
namespace bytelora::report {

// The windows.
inline constexpr char kMainWindow[] = "Form1";
inline constexpr char kGraphWindow[] = "Form2";

// The guarded routines: start-up and close, the monitor's two ticks, the logging tick
// and the buttons.
inline constexpr char kLoad[] = "Form_Load";
inline constexpr char kCloseRequest[] = "Form_QueryUnload";
inline constexpr char kSampler[] = "UpdateInterfaceInfo";
inline constexpr char kMeterTick[] = "Timer3_Timer";
inline constexpr char kLoggingTick[] = "Timer1";
inline constexpr char kLoggingButton[] = "PushButton5_Click";
inline constexpr char kGraphButton[] = "PushButton1_Click";
inline constexpr char kViewLogButton[] = "PushButton2_Click";
inline constexpr char kCopyLogButton[] = "PushButton3_Click";
inline constexpr char kHelpButton[] = "PushButton4_Click";
inline constexpr char kClearLogButton[] = "PushButton6_Click";

}  // namespace bytelora::report
