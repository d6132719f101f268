#pragma once

namespace bytelora {

// Texts of the commands on the history log. The commands themselves are the main
// window's buttons: view (open in the text editor), copy (ReadHistoryLog to the clipboard
// as plain text) and clear (DeleteFileQuietly, then empty the snapshot list).
inline constexpr char kNoHistoryToViewText[] =
    "There isn't a history to view because actions have not been performed yet.";
inline constexpr char kConfirmClearHistoryText[] =
    "Are you sure you want to delete the history log and start over?";

}  // namespace bytelora
