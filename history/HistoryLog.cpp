#include "history/HistoryLog.h"

#include "common/AppText.h"

namespace bytelora {

std::string HistoryLogFileName() {
    return CleanFileName(StripTrailingWord(kProductName, "Software")) + ".txt";
}

}  // namespace bytelora
