#include "cli/Interrupt.h"

#include <csignal>

namespace bytelora::cli {

namespace {
volatile std::sig_atomic_t interrupted = 0;

extern "C" void OnSignal(int) {
    interrupted = 1;
}
}  // namespace

void InstallInterruptHandler() {
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool Interrupted() {
    return interrupted != 0;
}

}  // namespace bytelora::cli
