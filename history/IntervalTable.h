#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/Translate.h"

namespace bytelora {

// One choice of the interval list: the item text (in English: what bytelora-cli's --every
// takes; the window shows it translated) and the seconds it means.
struct IntervalEntry {
    std::string_view text;
    std::int32_t seconds;
};

// The twelve choices in list order; a choice's 1-based position is both its list index
// and the value stored under "OftenIndex".
inline constexpr std::array<IntervalEntry, 12> kIntervalTable{{
    {BYTELORA_TEXT_NOOP("bytelora::IntervalTable", "Log every 1 second"), 1},
    {BYTELORA_TEXT_NOOP("bytelora::IntervalTable", "Log every 5 seconds"), 5},
    {BYTELORA_TEXT_NOOP("bytelora::IntervalTable", "Log every 10 seconds"), 10},
    {BYTELORA_TEXT_NOOP("bytelora::IntervalTable", "Log every 30 seconds"), 30},
    {BYTELORA_TEXT_NOOP("bytelora::IntervalTable", "Log every 1 minute"), 60},
    {BYTELORA_TEXT_NOOP("bytelora::IntervalTable", "Log every 5 minutes"), 300},
    {BYTELORA_TEXT_NOOP("bytelora::IntervalTable", "Log every 10 minutes"), 600},
    {BYTELORA_TEXT_NOOP("bytelora::IntervalTable", "Log every 30 minutes"), 1800},
    {BYTELORA_TEXT_NOOP("bytelora::IntervalTable", "Log every 1 hour"), 3600},
    {BYTELORA_TEXT_NOOP("bytelora::IntervalTable", "Log every 6 hours"), 21600},
    {BYTELORA_TEXT_NOOP("bytelora::IntervalTable", "Log every 12 hours"), 43200},
    {BYTELORA_TEXT_NOOP("bytelora::IntervalTable", "Log every 24 hours"), 86400},
}};

inline constexpr int kDefaultIntervalPosition = 2;
inline constexpr char kOftenIndexKey[] = "OftenIndex";
inline constexpr char kOftenIndexDefault[] = "2";

inline constexpr char kIntervalColumnHeader[] = BYTELORA_TEXT_NOOP(
    "bytelora::IntervalTable", "How often would you like to log bandwidth usage?");
inline constexpr char kSnapshotColumnHeader[] =
    BYTELORA_TEXT_NOOP("bytelora::IntervalTable", "Bandwidth Usage");
inline constexpr int kListColumnWidthTwips = 7000;

// An interval's item text or one of the list's headings above, as the window shows it.
std::string IntervalDisplayText(std::string_view english);

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
