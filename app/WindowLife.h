#pragma once

namespace bytelora {

// Where the main window is in its life. The window owns it and moves it on (start-up,
// then the close); the parts only read it, so that a handler that runs nested inside
// another one's event step knows whether it still has anything to do.
struct WindowLife {
    // The load handler is filling the controls: what they signal is no choice of the user's.
    bool loading = false;
    // Start-up has finished: the timers and the window-state handlers may run.
    bool loaded = false;
    // A close was asked for: no snapshot is taken and the tray is left alone on the way out.
    bool closing = false;
    // The close has ended the program.
    bool ended = false;
};

}  // namespace bytelora
