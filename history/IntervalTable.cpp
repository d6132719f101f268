#include "history/IntervalTable.h"

#include <stdexcept>
#include <string>

namespace bytelora {

std::string IntervalDisplayText(std::string_view english) {
    return Translate("bytelora::IntervalTable", std::string(english).c_str());
}

std::int32_t IntervalSeconds(std::string_view selectedText) {
    for (const IntervalEntry& entry : kIntervalTable) {
        if (entry.text == selectedText) {
            return entry.seconds;
        }
    }
    return 0;
}

bool IsIntervalPosition(int position) {
    return position >= 1 && position <= static_cast<int>(kIntervalTable.size());
}

const IntervalEntry& IntervalAt(int position) {
    if (!IsIntervalPosition(position)) {
        throw std::out_of_range("There is no logging interval at position " +
                                std::to_string(position) + " (the choices are 1 to " +
                                std::to_string(kIntervalTable.size()) + ")");
    }
    return kIntervalTable[static_cast<std::size_t>(position - 1)];
}

int IntervalPosition(std::string_view text) {
    for (std::size_t i = 0; i < kIntervalTable.size(); ++i) {
        if (kIntervalTable[i].text == text) {
            return static_cast<int>(i + 1);
        }
    }
    return 0;
}

}  // namespace bytelora
