#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "netstats/InterfaceProbe.h"
#include "netstats/InterfaceTable.h"

namespace bytelora {

// Why an interface counts toward the totals, or why not.
enum class CountReason : std::uint8_t {
    // Counted.
    Hardware,        // the automatic choice: a device with hardware behind it
    DefaultRoute,    // the automatic choice: no hardware anywhere, but it carries a default route
    EveryInterface,  // the automatic choice: neither hardware nor a default route anywhere
    Chosen,          // named in the user's choice
    // Not counted.
    Virtual,         // software interface while hardware exists (bridge, veth, tunnel...)
    NoDefaultRoute,  // no hardware anywhere, and this one carries no default route
    NotChosen,       // the user chose other interfaces
    Loopback,
    Filter,  // mirrors the counters of the adapter below it
};

bool IsCounted(CountReason reason);
// "hardware", "default route", "virtual"...: the words the listing and the dialog show.
const char* CountReasonText(CountReason reason);

// The automatic rule that decided, when no choice of the user's applies.
enum class AutomaticRule : std::uint8_t { Hardware, DefaultRoute, EveryInterface };

// Decides which rows of each table read count, so that every byte is counted once.
//
// Automatically the first rule that gives a non-empty set wins: the interfaces with
// hardware behind them; else those that carry a default route (a container or a
// network namespace counts its uplink); else every interface. Traffic into a VM or a
// container then is not counted again on its veth and bridge, and tunnel traffic not
// again on the tunnel. Loopback and filter rows never count.
//
// Or the user names the interfaces: names match exactly, and a name that no interface
// has counts nothing until one appears with it.
class InterfaceSelection {
  public:
    // Without a probe nothing is known about the rows, and every interface counts.
    explicit InterfaceSelection(InterfaceProbe* probe = nullptr) : probe_(probe) {}

    // The user's choice; empty means the automatic one. Takes effect at the next Update.
    void Choose(std::vector<std::string> names);
    const std::vector<std::string>& Chosen() const { return chosen_; }
    bool Automatic() const { return chosen_.empty(); }

    // Decides every row of `table`. The probe is asked again only when the interfaces
    // (index, name, operational state) differ from the previous table's; otherwise this
    // costs one comparison per row.
    void Update(const InterfaceTable& table);

    // For the row at 0-based `position` of the table last given to Update.
    CountReason Reason(std::size_t position) const;
    bool Counts(std::size_t position) const { return IsCounted(Reason(position)); }
    std::size_t Rows() const { return reasons_.size(); }
    AutomaticRule Rule() const { return rule_; }
    // How many times the probe has been asked (it should be rare).
    std::uint64_t Probes() const { return probes_; }

  private:
    struct Key {
        std::uint32_t index = 0;
        std::uint32_t operStatus = 0;
        std::string name;
        std::string alias;  // a choice may name the interface by it
    };

    bool SameInterfaces(const InterfaceTable& table) const;
    void Decide(const InterfaceTable& table);

    InterfaceProbe* probe_;
    std::vector<std::string> chosen_;
    bool choiceChanged_ = true;
    std::vector<Key> keys_;
    std::vector<InterfaceFacts> facts_;
    std::vector<CountReason> reasons_;
    AutomaticRule rule_ = AutomaticRule::EveryInterface;
    std::uint64_t probes_ = 0;
};

}  // namespace bytelora
