#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "netstats/InterfaceRow.h"

namespace bytelora {

// The ordered, 1-based collection of interface records built by one table read.
// Records are shared: one stays alive as long as anybody holds it.
class InterfaceTable {
  public:
    using Record = std::shared_ptr<InterfaceRow>;
    using const_iterator = std::vector<Record>::const_iterator;

    // Appends the record, returns it and empties the caller's reference, so that the
    // caller's next use starts a new record.
    Record Add(Record& record);
    // The record at a 1-based position; throws std::out_of_range when there is none.
    const Record& Item(std::int32_t position) const;
    std::int32_t Count() const { return static_cast<std::int32_t>(records_.size()); }
    // Removes the record at a 1-based position; later records move up by one.
    // Throws std::out_of_range when there is none.
    void Remove(std::int32_t position);

    const_iterator begin() const { return records_.begin(); }
    const_iterator end() const { return records_.end(); }
    void Reserve(std::size_t count) { records_.reserve(count); }

  private:
    std::vector<Record> records_;
};

}  // namespace bytelora
