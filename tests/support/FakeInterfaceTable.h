#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "netstats/InterfaceRow.h"
#include "netstats/InterfaceTable.h"
#include "netstats/InterfaceTableSource.h"

namespace bytelora::testing {

// An interface table that a test fills by hand. Each read hands out fresh copies of the
// rows (as the real sources do), or nothing when the result is set to a failure.
//
//   FakeInterfaceTable table;
//   table.AddRow("eth0", 2, kIfTypeEthernet, 1000, 500);
//   table.SetOctets(0, 2000, 800);        // row 0 on the next read
//   table.SetResult(TableReadResult::Failed);
class FakeInterfaceTable final : public InterfaceTableSource {
  public:
    // Returns the row for further setting (address, description, status...).
    InterfaceRow& AddRow(const std::string& name, std::uint32_t index,
                         std::uint32_t type = kIfTypeEthernet, std::uint64_t octetsIn = 0,
                         std::uint64_t octetsOut = 0) {
        InterfaceRow row;
        row.InterfaceName(name);
        row.InterfaceDescription(name);
        row.InterfaceIndex(index);
        row.InterfaceType(type);
        row.OctetsReceived(octetsIn);
        row.OctetsSent(octetsOut);
        row.AdminStatus(kIfStatusUp);
        row.OperationalStatus(kIfStatusUp);
        rows_.push_back(row);
        return rows_.back();
    }
    // Row by 0-based position, as added.
    InterfaceRow& Row(std::size_t position) { return rows_.at(position); }
    void SetOctets(std::size_t position, std::uint64_t octetsIn, std::uint64_t octetsOut) {
        Row(position).OctetsReceived(octetsIn);
        Row(position).OctetsSent(octetsOut);
    }
    void AddOctets(std::size_t position, std::uint64_t octetsIn, std::uint64_t octetsOut) {
        SetOctets(position, Row(position).OctetsReceived() + octetsIn,
                  Row(position).OctetsSent() + octetsOut);
    }
    void ClearRows() { rows_.clear(); }
    std::size_t RowCount() const { return rows_.size(); }

    void SetResult(TableReadResult result) { result_ = result; }
    void SetCounterBits(unsigned bits) { counterBits_ = bits; }
    int Reads() const { return reads_; }

    TableReadResult Read(InterfaceTable& into) override {
        ++reads_;
        if (result_ != TableReadResult::Ok) return result_;
        for (const auto& row : rows_) {
            auto record = std::make_shared<InterfaceRow>(row);
            into.Add(record);
        }
        return TableReadResult::Ok;
    }
    unsigned CounterBits() const override { return counterBits_; }

  private:
    std::vector<InterfaceRow> rows_;
    TableReadResult result_ = TableReadResult::Ok;
    unsigned counterBits_ = 64;
    int reads_ = 0;
};

}  // namespace bytelora::testing
