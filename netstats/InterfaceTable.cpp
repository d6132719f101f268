#include "netstats/InterfaceTable.h"

#include <stdexcept>
#include <string>

namespace bytelora {

namespace {

std::size_t ToOffset(std::int32_t position, std::size_t count) {
    if (position < 1 || static_cast<std::size_t>(position) > count) {
        throw std::out_of_range("Interface position " + std::to_string(position) +
                                " is outside 1.." + std::to_string(count));
    }
    return static_cast<std::size_t>(position) - 1;
}

}  // namespace

InterfaceTable::Record InterfaceTable::Add(Record& record) {
    records_.push_back(std::move(record));
    record.reset();  // a moved-from shared_ptr is already empty; say so for the reader
    return records_.back();
}

const InterfaceTable::Record& InterfaceTable::Item(std::int32_t position) const {
    return records_[ToOffset(position, records_.size())];
}

void InterfaceTable::Remove(std::int32_t position) {
    const std::size_t offset = ToOffset(position, records_.size());
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(offset));
}

}  // namespace bytelora
