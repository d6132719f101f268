#include "netstats/WindowsWideCounters.h"

#include <cstddef>
#include <cwchar>
#include <span>

#include "netstats/IfTableReader.h"

namespace bytelora {

namespace {

std::string WideText(const WCHAR* text, std::size_t capacity) {
    const std::size_t length = wcsnlen(text, capacity);
    return Utf16LeToUtf8(std::span(reinterpret_cast<const std::uint8_t*>(text), 2 * length));
}

}  // namespace

bool WidenFromIfTable2(const InterfaceTable& rows, const MIB_IF_TABLE2& table) {
    bool all = true;
    for (const auto& row : rows) {
        if (!row) continue;
        const MIB_IF_ROW2* match = nullptr;
        for (ULONG i = 0; i < table.NumEntries && !match; ++i) {
            if (table.Table[i].InterfaceIndex == row->InterfaceIndex()) match = &table.Table[i];
        }
        if (!match) {
            all = false;
            continue;
        }
        row->OctetsReceived(match->InOctets);
        row->OctetsSent(match->OutOctets);
        row->Alias(WideText(match->Alias, std::size(match->Alias)));
    }
    return all;
}

}  // namespace bytelora
