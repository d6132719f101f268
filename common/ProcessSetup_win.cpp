#include "common/ProcessSetup.h"

namespace bytelora {

// Windows reports a full disk or a quota as a failed write already.
void PrepareProcess() {}

}  // namespace bytelora
