#pragma once

#include <string>

namespace bytelora {

// Starts other programs on the user's behalf. Nothing here goes through a shell.
class Launcher {
  public:
    virtual ~Launcher() = default;

    // Opens a text file in the user's text editor (notepad on Windows, the desktop's
    // default application for text files on Linux). Throws std::runtime_error when
    // nothing could be started.
    virtual void OpenTextFile(const std::string& path) = 0;

    // Opens a page (a URL or a local file) in the default browser. Throws
    // std::runtime_error when nothing could be started.
    virtual void OpenPage(const std::string& urlOrPath) = 0;
};

}  // namespace bytelora
