#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "netstats/IfTableReader.h"

namespace bytelora::testing {

// One row of a crafted GetIfTable image. Lengths default to the real sizes of the data.
struct IfRowFields {
    std::u16string name;
    std::uint32_t index = 0;
    std::uint32_t type = 6;
    std::vector<std::uint8_t> physAddr;
    std::optional<std::uint32_t> physAddrLen;
    std::string descr;  // raw ANSI bytes
    std::optional<std::uint32_t> descrLen;
    std::uint32_t inOctets = 0;
    std::uint32_t outOctets = 0;
};

inline void PutU32(std::vector<std::uint8_t>& image, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) image.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

inline std::size_t RowOffset(std::size_t zeroBasedRow) {
    return kIfTableHeaderSize + zeroBasedRow * kIfRowSize;
}

// The table image as GetIfTable writes it: row count, then 860-byte rows.
inline std::vector<std::uint8_t> MakeIfTableImage(const std::vector<IfRowFields>& rows) {
    std::vector<std::uint8_t> image(RowOffset(rows.size()), 0);
    PutU32(image, 0, static_cast<std::uint32_t>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const IfRowFields& fields = rows[i];
        const std::size_t row = RowOffset(i);
        for (std::size_t u = 0; u < fields.name.size() && u < kIfNameUnits; ++u) {
            image[row + 2 * u] = static_cast<std::uint8_t>(fields.name[u] & 0xFF);
            image[row + 2 * u + 1] = static_cast<std::uint8_t>(fields.name[u] >> 8);
        }
        PutU32(image, row + ifrow::kIndex, fields.index);
        PutU32(image, row + ifrow::kType, fields.type);
        PutU32(image, row + ifrow::kPhysAddrLen,
               fields.physAddrLen.value_or(static_cast<std::uint32_t>(fields.physAddr.size())));
        std::copy_n(fields.physAddr.begin(), std::min(fields.physAddr.size(), kIfPhysAddrBytes),
                    image.begin() + static_cast<long>(row + ifrow::kPhysAddr));
        PutU32(image, row + ifrow::kInOctets, fields.inOctets);
        PutU32(image, row + ifrow::kOutOctets, fields.outOctets);
        PutU32(image, row + ifrow::kDescrLen,
               fields.descrLen.value_or(static_cast<std::uint32_t>(fields.descr.size())));
        std::copy_n(fields.descr.begin(), std::min(fields.descr.size(), kIfDescrBytes),
                    image.begin() + static_cast<long>(row + ifrow::kDescr));
    }
    return image;
}

// A stand-in for GetIfTable serving a fixed image, with switchable results.
struct FakeGetIfTable {
    explicit FakeGetIfTable(std::vector<std::uint8_t> tableImage) : image(std::move(tableImage)) {}

    std::vector<std::uint8_t> image;
    std::uint32_t probeResult = 122;         // ERROR_INSUFFICIENT_BUFFER, as the real probe gives
    std::optional<std::uint32_t> probeSize;  // the size the probe reports; image size if unset
    std::uint32_t fillResult = 0;
    std::optional<std::uint32_t> sizeAfterFill;  // what the fill writes back into *size
    int calls = 0;
    std::uint32_t fillBufferSize = 0;

    std::uint32_t operator()(std::uint8_t* table, std::uint32_t* size, std::int32_t) {
        ++calls;
        if (table == nullptr) {
            *size = probeSize.value_or(static_cast<std::uint32_t>(image.size()));
            return probeResult;
        }
        fillBufferSize = *size;
        if (fillResult != 0) return fillResult;
        if (*size < image.size()) {
            *size = static_cast<std::uint32_t>(image.size());
            return 122;
        }
        std::memcpy(table, image.data(), image.size());
        if (sizeAfterFill) *size = *sizeAfterFill;
        return 0;
    }
};

}  // namespace bytelora::testing
