#include "netstats/InterfaceTotals.h"

#include <string_view>

namespace bytelora {

namespace {

// Windows counts the terminating zero of a description in its length, so it stays in
// the text; comparisons look at the words only.
std::string_view WithoutTrailingZero(const std::string& text) {
    std::string_view view(text);
    while (!view.empty() && view.back() == '\0') view.remove_suffix(1);
    return view;
}

// True when `row` is a filter-layer row stacked on `adapter`: the NDIS filter drivers
// (packet scheduler, firewall, capture drivers) each add a row with the adapter's
// hardware address and the description "<adapter description>-<filter name>".
bool IsFilterOf(const InterfaceRow& row, std::string_view rowDescr, const InterfaceRow& adapter) {
    if (&row == &adapter || row.AdapterAddress() != adapter.AdapterAddress()) return false;
    const std::string_view base = WithoutTrailingZero(adapter.InterfaceDescription());
    return !base.empty() && rowDescr.size() > base.size() + 1 && rowDescr.starts_with(base) &&
           rowDescr[base.size()] == '-';
}

}  // namespace

InterfaceTotals::InterfaceTotals(InterfaceTableSource& source, NotSupportedHandler onNotSupported)
    : source_(source), onNotSupported_(std::move(onNotSupported)) {}

std::shared_ptr<InterfaceTable> InterfaceTotals::Interfaces() {
    bytesReceived_ = 0;
    bytesSent_ = 0;
    held_ = std::make_shared<InterfaceTable>();

    TableReadResult result = TableReadResult::Failed;
    try {
        result = source_.Read(*held_);
    } catch (...) {
        result = TableReadResult::Failed;
    }
    if (result != TableReadResult::Ok) {
        if (held_->Count() != 0) held_ = std::make_shared<InterfaceTable>();
        // The table is read four times a second; a system without the service would
        // otherwise raise the same box over and over.
        if (result == TableReadResult::NotSupported && !notSupportedShown_) {
            notSupportedShown_ = true;
            if (onNotSupported_) {
                try {
                    onNotSupported_(kNotSupportedMessage);
                } catch (...) {
                    // The read never fails towards its caller, the message included.
                }
            }
        }
        return held_;
    }

    for (const auto& row : *held_) {
        if (!row || !CountsTowardTotals(*held_, *row)) continue;
        bytesReceived_ += row->OctetsReceived();
        bytesSent_ += row->OctetsSent();
    }
    return held_;
}

void InterfaceTotals::Interfaces(std::shared_ptr<InterfaceTable> collection) {
    held_ = std::move(collection);
}

// Each byte should be counted once. Loopback traffic never leaves the machine and would
// show local copies as network traffic. On Windows every NDIS filter-layer row mirrors
// the counters of the adapter it sits on, so summing both counts the adapter's traffic
// two or three times over.
bool CountsTowardTotals(const InterfaceTable& table, const InterfaceRow& row) {
    if (row.InterfaceType() == kIfTypeLoopback) return false;
    if (row.AdapterAddress().empty()) return true;
    const std::string_view descr = WithoutTrailingZero(row.InterfaceDescription());
    if (descr.find('-') == std::string_view::npos) return true;
    for (const auto& other : table) {
        if (other && IsFilterOf(row, descr, *other)) return false;
    }
    return true;
}

}  // namespace bytelora
