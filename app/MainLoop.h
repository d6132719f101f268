#pragma once

namespace bytelora {

class MainWindow;

// Loads the main window, shows it as start-up leaves it and runs the event loop until
// the window is closed; returns the program's exit code.
int RunMainWindow(MainWindow& window);

}  // namespace bytelora
