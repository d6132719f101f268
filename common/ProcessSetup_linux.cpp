#include "common/ProcessSetup.h"

#include <csignal>

namespace bytelora {

void PrepareProcess() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace bytelora
