// The start-with-session boxes: registering the program with the session, and the
// stored choices that start-up reads back.
#include "app/StartupOptions.h"

#include <QCoreApplication>
#include <QSignalBlocker>

#include <exception>
#include <string>

#include "common/AppText.h"
#include "common/MessageBoxes.h"
#include "settings/SaveOrTell.h"
#include "settings/StartupRegistration.h"

namespace bytelora {
namespace {

constexpr char kWindowsStartupKey[] = "Windows Startup";
constexpr char kMinimizedKey[] = "Minimized";

}  // namespace

StartupOptions::StartupOptions(QCheckBox& startWithSessionBox, QCheckBox& startHiddenBox,
                               Settings& settings, MessageBoxes& boxes,
                               StartupRegistration& startup, std::filesystem::path programFile,
                               const WindowLife& life)
    : startWithSessionBox_(startWithSessionBox),
      startHiddenBox_(startHiddenBox),
      settings_(settings),
      boxes_(boxes),
      startup_(startup),
      programFile_(std::move(programFile)),
      life_(life) {}

bool StartupOptions::Store(const char* key, const char* value) {
    return SaveOrTell(settings_, boxes_, AppTitle(), key, value);
}

void StartupOptions::OnStartWithSessionClicked() {
    // Start-up ticks the box from the stored choice: nothing to register again.
    if (life_.loading) return;
    if (startWithSessionBox_.isChecked()) {
        try {
            startup_.Register(programFile_);
        } catch (const std::exception& failure) {
            // Not registered: the box and the stored choice say so too.
            {
                const QSignalBlocker quiet(&startWithSessionBox_);
                startWithSessionBox_.setChecked(false);
            }
            boxes_.Show(AppTitle(),
                        QCoreApplication::translate("bytelora::StartupOptions",
                                                    "Bytelora could not be set to start with "
                                                    "your session:\r\n")
                                .toStdString() +
                            failure.what(),
                        BoxIcon::Warning);
            return;
        }
        startHiddenBox_.setVisible(true);
        Store(kWindowsStartupKey, "On");
    } else {
        try {
            startup_.Unregister(programFile_);
        } catch (const std::exception& failure) {
            // Still registered: the box stays ticked and nothing else changes.
            {
                const QSignalBlocker quiet(&startWithSessionBox_);
                startWithSessionBox_.setChecked(true);
            }
            boxes_.Show(AppTitle(),
                        QCoreApplication::translate("bytelora::StartupOptions",
                                                    "Bytelora could not stop starting with "
                                                    "your session:\r\n")
                                .toStdString() +
                            failure.what(),
                        BoxIcon::Warning);
            return;
        }
        startHiddenBox_.setChecked(false);  // stores "Minimized" = "Off" when it was ticked
        startHiddenBox_.setVisible(false);
        Store(kWindowsStartupKey, "Off");
    }
}

void StartupOptions::OnStartHiddenClicked() {
    Store(kMinimizedKey, startHiddenBox_.isChecked() ? "On" : "Off");
}

void StartupOptions::ReadStartWithSession() {
    startWithSessionBox_.setChecked(settings_.Get(kWindowsStartupKey, "Off") == "On");
}

void StartupOptions::ReadStartHidden() {
    startHiddenBox_.setChecked(settings_.Get(kMinimizedKey, "Off") == "On");
}

bool StartupOptions::StartsWithSession() const {
    return startWithSessionBox_.isChecked();
}

bool StartupOptions::StartsHidden() const {
    return startHiddenBox_.isChecked();
}

void StartupOptions::ShowStartHidden(bool shown) {
    startHiddenBox_.setVisible(shown);
}

}  // namespace bytelora
