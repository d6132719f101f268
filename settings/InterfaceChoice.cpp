#include "settings/InterfaceChoice.h"
#include "common/Translate.h"

#include <algorithm>

namespace bytelora {

namespace {

// Longer than any interface name Linux (15) or Windows (256 UTF-16 units) gives.
constexpr std::size_t kMaxNameBytes = 255;

bool IsControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7f;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

bool IsStorableInterfaceName(const std::string& name) {
    return !name.empty() && name.size() <= kMaxNameBytes && name.front() != ' ' &&
           name.back() != ' ' && name.find(',') == std::string::npos &&
           std::none_of(name.begin(), name.end(), IsControl);
}

std::optional<std::vector<std::string>> ParseInterfaceChoice(const std::string& text) {
    std::vector<std::string> names;
    if (Trimmed(text).empty()) return names;
    std::size_t start = 0;
    while (true) {
        const auto comma = text.find(',', start);
        const std::string name = Trimmed(text.substr(start, comma - start));
        if (!IsStorableInterfaceName(name)) return std::nullopt;
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return names;
}

std::string InterfaceChoiceText(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names) {
        if (!IsStorableInterfaceName(name)) continue;
        if (!text.empty()) text += ", ";
        text += name;
    }
    return text;
}

std::string DamagedInterfaceChoiceMessage(const std::string& text) {
    std::string shown;
    for (char c : text.substr(0, 80)) shown += IsControl(c) ? '?' : c;
    if (text.size() > 80) shown += "...";
    return FillIn(Translate("bytelora::Settings",
                            "The stored choice of interfaces (\"%1\") cannot be read, so Bytelora "
                            "counts the interfaces it picks itself. The stored value is kept as it "
                            "is; choose the interfaces again under \"Interfaces...\" in the tray "
                            "icon's menu to replace it."),
                  {shown});
}

}  // namespace bytelora
