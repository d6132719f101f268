#include "history/HistoryLog.h"

#include "common/AppText.h"
#include "common/Translate.h"

namespace bytelora {

std::string HistoryLogFailure(bool writing, const std::string& path, const std::string& reason) {
    return FillIn(
        writing ? Translate("bytelora::HistoryLog", "Cannot write to the history log \"%1\": %2")
                : Translate("bytelora::HistoryLog", "Cannot read the history log \"%1\": %2"),
        {path, reason});
}

std::string HistoryLogFileName() {
    return CleanFileName(StripTrailingWord(kProductName, "Software")) + ".txt";
}

}  // namespace bytelora
