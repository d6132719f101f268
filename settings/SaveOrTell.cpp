#include "settings/SaveOrTell.h"

namespace bytelora {

bool SaveOrTell(Settings& settings, MessageBoxes& boxes, const std::string& boxTitle,
                const std::string& key, const std::string& value) {
    try {
        settings.Save(key, value);
        return true;
    } catch (const SettingsError& failure) {
        boxes.Show(boxTitle, "The setting \"" + key + "\" could not be saved:\r\n" + failure.what(),
                   BoxIcon::Warning);
        return false;
    }
}

}  // namespace bytelora
