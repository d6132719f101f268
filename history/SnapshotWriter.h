#pragma once

#include <functional>
#include <string>

namespace bytelora {

// One snapshot text: the date and time, " Download: ", the download rate text,
// " Upload: ", the upload rate text. The rate texts are taken as they stand.
std::string ComposeSnapshotText(const std::string& dateTimeText, const std::string& downloadText,
                                const std::string& uploadText);

// Where a snapshot's pieces come from; each is read anew for every text composed.
struct SnapshotSources {
    std::function<std::string()> dateTimeText;
    std::function<std::string()> downloadText;
    std::function<std::string()> uploadText;
};

std::string ComposeSnapshotText(const SnapshotSources& sources);

// Adds a snapshot row through addRow, then composes the text again (the clock may have
// moved on) and appends it to the history log. A row already added stays when the
// append fails; the failure goes to the caller.
void WriteSnapshot(const SnapshotSources& sources,
                   const std::function<void(const std::string&)>& addRow,
                   const std::string& historyLogPath);

}  // namespace bytelora
