#pragma once

#include <string>

namespace bytelora {

class InterfaceRow;

// The text of a MIB-II interface type, for listings: "ethernet", "wireless"...; unknown
// values as numbers.
std::string InterfaceTypeText(unsigned type);

// The operational status as this system's table gives it: RFC 2863 values on Linux
// ("up", "down"...), the IP Helper table's own on Windows ("operational",
// "non-operational"...). One implementation file per system; unknown values as numbers.
std::string OperationalStatusText(unsigned status);
std::string Rfc2863StatusText(unsigned status);
std::string IpHelperStatusText(unsigned status);

// One of the words above, or a CountReasonText, in the user's language. The words
// themselves stay English wherever a program reads them.
std::string InterfaceWordText(const std::string& english);

// The name to show the user: the alias where there is one, else the name.
std::string InterfaceLabel(const InterfaceRow& row);
// The same, with the adapter's description beside an alias where it says more.
std::string InterfaceLabelWithDescription(const InterfaceRow& row);
// The description alone where it says more than the alias, else empty.
std::string DescriptionBesideAlias(const InterfaceRow& row);
// A name the user typed (`--interface`) names this row: its name or its alias.
bool NamesInterface(const std::string& typed, const InterfaceRow& row);

}  // namespace bytelora
