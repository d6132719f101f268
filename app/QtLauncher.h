#pragma once

#include <QUrl>

#include "common/Launcher.h"

namespace bytelora {

// Starts the text editor and the browser through the desktop, never through a shell.
class QtLauncher final : public Launcher {
  public:
    void OpenTextFile(const std::string& path) override;
    void OpenPage(const std::string& urlOrPath) override;

    // What OpenPage would open: an existing local file, or an http, https or file URL.
    // Throws std::runtime_error for anything else, so that no other kind of link is
    // handed to the desktop.
    static QUrl PageUrl(const std::string& urlOrPath);
};

// The per-system part: the user's text editor on this operating system.
void OpenInTextEditor(const QString& path);

}  // namespace bytelora
