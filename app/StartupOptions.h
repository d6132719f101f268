#pragma once

#include <QCheckBox>

#include <filesystem>

#include "app/WindowLife.h"

namespace bytelora {

class MessageBoxes;
class Settings;
class StartupRegistration;

// The two start-up boxes, "Load this software on Windows startup" and "Minimized to
// system tray": what a click on them registers and stores, and what start-up reads
// back into them. The second box only shows while the first is ticked.
class StartupOptions {
  public:
    StartupOptions(QCheckBox& startWithSessionBox, QCheckBox& startHiddenBox, Settings& settings,
                   MessageBoxes& boxes, StartupRegistration& startup,
                   std::filesystem::path programFile, const WindowLife& life);

    void OnStartWithSessionClicked();
    void OnStartHiddenClicked();

    // Start-up's steps, one for each of the load handler's numbered statements.
    void ReadStartWithSession();
    void ReadStartHidden();
    bool StartsWithSession() const;
    bool StartsHidden() const;
    void ShowStartHidden(bool shown);

  private:
    // Stores one setting; a store that cannot be written is told to the user.
    bool Store(const char* key, const char* value);

    QCheckBox& startWithSessionBox_;
    QCheckBox& startHiddenBox_;
    Settings& settings_;
    MessageBoxes& boxes_;
    StartupRegistration& startup_;
    std::filesystem::path programFile_;
    const WindowLife& life_;
};

}  // namespace bytelora
