#pragma once

#include <functional>
#include <memory>

#include "app/WindowLife.h"

namespace bytelora {

class ErrorReporter;
class GraphWindow;
class TrayIcon;

// The end of the program, in the order it always took: a close request stops logging,
// takes the icon out of the tray, lets pending events run once and writes the pending
// data usage; the unload then hides the graph window and quits.
class Shutdown {
  public:
    struct Steps {
        std::function<void()> stopLogging;
        std::function<void()> processEvents;
        std::function<void()> flushUsageAtExit;
    };

    // `tray` and `graph` are the window's slots for them: either may be empty.
    Shutdown(WindowLife& life, ErrorReporter& reporter, const std::unique_ptr<TrayIcon>& tray,
             const std::unique_ptr<GraphWindow>& graph, Steps steps);

    void OnCloseRequested();
    void OnUnload();

  private:
    WindowLife& life_;
    ErrorReporter& reporter_;
    const std::unique_ptr<TrayIcon>& tray_;
    const std::unique_ptr<GraphWindow>& graph_;
    Steps steps_;
};

}  // namespace bytelora
