#pragma once

namespace bytelora::cli {

// Ctrl-C (and, on Linux, SIGTERM) asks the running command to stop; it finishes the
// line it is on and returns normally.
void InstallInterruptHandler();
bool Interrupted();

}  // namespace bytelora::cli
