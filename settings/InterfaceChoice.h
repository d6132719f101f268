#pragma once

#include <optional>
#include <string>
#include <vector>

namespace bytelora {

// The fifth setting: which interfaces count. Empty means the automatic choice;
// otherwise the interface names, separated by ", ".
inline constexpr char kInterfacesKey[] = "Interfaces";
inline constexpr char kInterfacesDefault[] = "";

// The names of a stored value; nullopt when the value is damaged (an empty name, a
// control character, a name longer than any system allows). Surrounding spaces of each
// name are dropped, so a hand-written "eth0,wlan0" reads like the stored "eth0, wlan0".
std::optional<std::vector<std::string>> ParseInterfaceChoice(const std::string& text);

// Whether a name can be stored in the list: not empty, no comma, no control character,
// no surrounding space, at most 255 bytes.
bool IsStorableInterfaceName(const std::string& name);

// The stored text for a choice; empty for the automatic one. Names that cannot be
// stored (see above) are left out.
std::string InterfaceChoiceText(const std::vector<std::string>& names);

// The one message a damaged stored value gets.
std::string DamagedInterfaceChoiceMessage(const std::string& text);

}  // namespace bytelora
