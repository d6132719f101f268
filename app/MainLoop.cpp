#include "app/MainLoop.h"

#include <QApplication>

#include <cstdlib>

#include "app/MainWindow.h"

namespace bytelora {

int RunMainWindow(MainWindow& window) {
    window.OnLoad();
    window.ShowAfterLoad();
    // A hidden start waits for its balloon before the event loop runs, and a close in
    // that wait cannot end a loop that has not begun: the program ends here instead.
    if (window.Ended()) return EXIT_SUCCESS;
    return QApplication::exec();
}

}  // namespace bytelora
