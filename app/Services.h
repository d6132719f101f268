#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "countd/client/CountdClient.h"

namespace bytelora {

class SettingsStore;
class InterfaceTableSource;
class Clock;
class MessageBoxes;
class Launcher;
class StartupRegistration;
class TrayBackend;
struct UsageEnvironment;

// Everything the main window reaches outside itself. The program passes the real
// services; tests pass fakes, temporary folders and a stub event step, so that a real
// window can be driven without a desktop, a network or the user's own files.
struct Services {
    SettingsStore& settings;
    InterfaceTableSource& interfaceTable;
    Clock& clock;
    MessageBoxes& boxes;
    Launcher& launcher;
    StartupRegistration& startup;
    TrayBackend& tray;

    // The running executable and the folder it lies in (the hand cursor and the skin
    // are looked for there).
    std::filesystem::path programFile;
    std::filesystem::path programFolder;

    // Reads one environment variable; nullopt when it is not set.
    std::function<std::optional<std::string>(const std::string& name)> environment;

    // The local help page that the Help button opens.
    std::filesystem::path helpPage;

    // Lets pending user-interface events run once.
    std::function<void()> processEvents;

    // Runs pending events, waiting a short while for one when there are none: the step
    // of the tray balloon's bounded wait, so that the wait does not spin the processor.
    std::function<void()> waitForEvents;

    // Where the data usage is kept; null records nothing and offers no usage window.
    const UsageEnvironment* usage = nullptr;

    // One look at the per-application counter, for the "Applications" window; null
    // tells the window there is no counter.
    std::function<countd::FetchResult()> appCounts = nullptr;

    // Whether the program learns that its window was minimised. On native Wayland no
    // client does, nor can it bring back a window it minimised itself, so a minimise
    // cannot hide to the tray and a start-up minimise without a tray would lose the window.
    bool minimiseIsSeen = true;
};

}  // namespace bytelora
