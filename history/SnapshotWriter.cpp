#include "history/SnapshotWriter.h"

#include "history/HistoryLog.h"

namespace bytelora {

std::string ComposeSnapshotText(const std::string& dateTimeText, const std::string& downloadText,
                                const std::string& uploadText) {
    return dateTimeText + " Download: " + downloadText + " Upload: " + uploadText;
}

std::string ComposeSnapshotText(const SnapshotSources& sources) {
    const std::string dateTime = sources.dateTimeText();
    const std::string download = sources.downloadText();
    const std::string upload = sources.uploadText();
    return ComposeSnapshotText(dateTime, download, upload);
}

void WriteSnapshot(const SnapshotSources& sources,
                   const std::function<void(const std::string&)>& addRow,
                   const std::string& historyLogPath) {
    addRow(ComposeSnapshotText(sources));
    AppendToHistoryLog(historyLogPath, ComposeSnapshotText(sources));
}

}  // namespace bytelora
