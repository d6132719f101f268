#include "settings/SaveOrTell.h"
#include "common/Translate.h"

namespace bytelora {

bool SaveOrTell(Settings& settings, MessageBoxes& boxes, const std::string& boxTitle,
                const std::string& key, const std::string& value) {
    try {
        settings.Save(key, value);
        return true;
    } catch (const SettingsError& failure) {
        boxes.Show(
            boxTitle,
            FillIn(Translate("bytelora::Settings", "The setting \"%1\" could not be saved:\r\n%2"),
                   {key, failure.what()}),
            BoxIcon::Warning);
        return false;
    }
}

}  // namespace bytelora
