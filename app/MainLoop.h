#pragma once

namespace bytelora {

class Form1;

// Loads the main window, shows it as start-up leaves it and runs the event loop until
// the window is closed; returns the program's exit code.
int RunMainWindow(Form1& window);

}  // namespace bytelora
