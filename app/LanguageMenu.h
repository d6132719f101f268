#pragma once

namespace bytelora {

class MessageBoxes;
class Settings;
class TrayMenu;

// The tray menu's "Language" entry: "System", then each language under its own name,
// the stored choice ticked. A choice is stored as the Language setting and shows from
// the next start on: every window makes its texts once, when it is made.
void AddLanguageMenu(TrayMenu& trayMenu, Settings& settings, MessageBoxes& boxes);

}  // namespace bytelora
