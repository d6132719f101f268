#pragma once

namespace bytelora {

// Process-wide settings both programs make before anything else. A file-size limit
// (ulimit -f) must come back as a failed write, which the history log rolls back and
// reports, rather than as a signal that kills the process in the middle of a line.
void PrepareProcess();

}  // namespace bytelora
