#pragma once

#include <QString>

#include <cstdint>
#include <string>

namespace bytelora {

// Byte amounts, rates and the data usage's dates as the windows show them. In English
// they are exactly what bytelora-cli and the exports write ("1.5 KB", "2024-03-05");
// once a translation is installed, in the locale's number and date forms ("1,5 KB",
// "05.03.24") with the units as the language writes them ("1,5 Ko").
QString ShownByteAmount(std::uint64_t bytes);
QString ShownRate(std::uint64_t kilobitsPerSecond);
// A data usage label: "2024-03-05T13:00" (an hour), "2024-03-05", "2024-03" or "2024".
QString ShownUsageLabel(const std::string& label);

}  // namespace bytelora
