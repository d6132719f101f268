#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace bytelora {

// One choice of the interval list: the item text the user sees and the seconds it means.
struct IntervalEntry {
    std::string_view text;
    std::int32_t seconds;
};

// The twelve choices in list order; a choice's 1-based position is both its list index
// and the value stored under "OftenIndex".
inline constexpr std::array<IntervalEntry, 12> kIntervalTable{{
    {"Log every 1 second", 1},
    {"Log every 5 seconds", 5},
    {"Log every 10 seconds", 10},
    {"Log every 30 seconds", 30},
    {"Log every 1 minute", 60},
    {"Log every 5 minutes", 300},
    {"Log every 10 minutes", 600},
    {"Log every 30 minutes", 1800},
    {"Log every 1 hour", 3600},
    {"Log every 6 hours", 21600},
    {"Log every 12 hours", 43200},
    {"Log every 24 hours", 86400},
}};

inline constexpr int kDefaultIntervalPosition = 2;
inline constexpr char kOftenIndexKey[] = "OftenIndex";
inline constexpr char kOftenIndexDefault[] = "2";

inline constexpr char kIntervalColumnHeader[] = "How often would you like to log bandwidth usage?";
inline constexpr char kSnapshotColumnHeader[] = "Bandwidth Usage";
inline constexpr int kListColumnWidthTwips = 7000;

// The seconds of the entry whose text equals selectedText exactly (case-sensitive, whole
// text, first match in table order); 0 when no entry has that text. The seconds follow
// from the text alone, never from the item's position.
std::int32_t IntervalSeconds(std::string_view selectedText);

// True for the positions 1 to 12.
bool IsIntervalPosition(int position);

// The entry at a 1-based position; throws std::out_of_range outside 1 to 12.
const IntervalEntry& IntervalAt(int position);

// The 1-based position of the entry with exactly this text; 0 when there is none.
int IntervalPosition(std::string_view text);

}  // namespace bytelora
