#include "IfTableFuzz.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>

#include "netstats/IfTableReader.h"
#include "netstats/InterfaceTable.h"

namespace bytelora::fuzz {
namespace {

[[noreturn]] void Broken(const char* promise) {
    std::fprintf(stderr, "interface table reader broke a promise: %s\n", promise);
    std::abort();
}

void Check(bool holds, const char* promise) {
    if (!holds) Broken(promise);
}

std::uint32_t Word(const std::uint8_t* data, std::size_t size, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        if (at + i < size) value |= static_cast<std::uint32_t>(data[at + i]) << (8 * i);
    }
    return value;
}

bool ValidUtf8(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
        } else if (lead >= 0xE0) {
            length = lead <= 0xEF ? 3 : 0;
        } else if (lead >= 0xC2) {
            length = 2;
        } else if (lead >= 0x80) {
            length = 0;
        }
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

// Every property of every record can be read, and the texts are sound.
void CheckRecords(const InterfaceTable& records) {
    for (std::int32_t position = 1; position <= records.Count(); ++position) {
        const InterfaceRow& record = *records.Item(position);
        Check(ValidUtf8(record.InterfaceName()), "names are UTF-8");
        Check(ValidUtf8(record.InterfaceDescription()), "descriptions are UTF-8");
        Check(record.InterfaceDescription().size() <= 3 * kIfDescrBytes,
              "a description stays within its field");
        Check(record.AdapterAddress().size() <= 3 * kIfPhysAddrBytes,
              "an address has at most eight bytes");
        Check(record.OctetsReceived() <= 0xFFFFFFFFu && record.OctetsSent() <= 0xFFFFFFFFu,
              "the table's counters are 32 bits");
        Check(record.LastChange() >= 0.0 && record.LastChange() <= 2958465.0,
              "the last change is a representable date");
    }
}

std::size_t RowsThatFit(std::size_t bytes) {
    return bytes < kIfTableHeaderSize ? 0 : (bytes - kIfTableHeaderSize) / kIfRowSize;
}

}  // namespace

void RunIfTableInput(const std::uint8_t* data, std::size_t size) {
    const std::uint32_t probeResult = size > 0 ? data[0] : 0;
    const std::uint32_t probeSize = Word(data, size, 1);
    const std::uint32_t fillResult = size > 5 ? data[5] : 0;
    const std::uint32_t reportedSize = Word(data, size, 6);
    const std::span<const std::uint8_t> image =
        size > 10 ? std::span<const std::uint8_t>(data + 10, size - 10)
                  : std::span<const std::uint8_t>();

    // The table image alone, at its own length.
    {
        InterfaceTable records;
        const std::size_t parsed = ParseIfTable(image, records);
        Check(parsed == static_cast<std::size_t>(records.Count()),
              "the count returned is the count added");
        Check(parsed <= RowsThatFit(image.size()), "only rows inside the buffer are read");
        if (image.size() >= kIfTableHeaderSize) {
            Check(parsed == std::min<std::size_t>(Word(image.data(), image.size(), 0),
                                                  RowsThatFit(image.size())),
                  "every claimed row that fits is read");
        }
        CheckRecords(records);
    }

    // Through a GetIfTable that answers as the input says, but (like the real one) never
    // writes past the size it is given.
    int calls = 0;
    std::uint32_t bufferSize = 0;
    const GetIfTableCall call = [&](std::uint8_t* table, std::uint32_t* tableSize,
                                    std::int32_t) -> std::uint32_t {
        ++calls;
        Check(tableSize != nullptr, "a size is always passed");
        if (table == nullptr) {
            *tableSize = probeSize;
            return probeResult;
        }
        Check(calls == 2, "the table is filled once, after one probe");
        Check(*tableSize == probeSize, "the buffer has the probed size");
        bufferSize = *tableSize;
        const std::size_t copied = std::min<std::size_t>(image.size(), *tableSize);
        if (copied > 0) std::memcpy(table, image.data(), copied);
        // Whatever was not written must read as zero.
        for (std::size_t i = copied; i < std::min<std::size_t>(*tableSize, copied + 4096); ++i) {
            Check(table[i] == 0, "the buffer starts zeroed");
        }
        *tableSize = reportedSize;
        return fillResult;
    };

    InterfaceTable records;
    const TableReadResult result = ReadIfTable(call, records);
    CheckRecords(records);
    if (result != TableReadResult::Ok) {
        Check(records.Count() == 0, "a failed read gives no records");
    }
    if (probeResult == kGetIfTableNotSupported) {
        Check(result == TableReadResult::NotSupported, "a missing service is told as such");
        Check(calls == 1, "nothing is filled when the service is missing");
        return;
    }
    if (probeSize == 0 || probeSize > kMaxIfTableBytes) {
        Check(result == TableReadResult::Failed && calls == 1, "an unusable size is a failed read");
        return;
    }
    if (calls == 2 && fillResult != 0) {
        Check(result == TableReadResult::Failed, "a failed fill is a failed read");
        return;
    }
    if (result == TableReadResult::Ok) {
        Check(static_cast<std::size_t>(records.Count()) <= RowsThatFit(bufferSize),
              "no row is read from outside the buffer");
    }
}

}  // namespace bytelora::fuzz
