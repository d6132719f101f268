#include "netstats/InterfaceSelection.h"

#include <algorithm>

#include "common/Translate.h"
#include "netstats/InterfaceTotals.h"

namespace bytelora {

bool IsCounted(CountReason reason) {
    switch (reason) {
        case CountReason::Hardware:
        case CountReason::DefaultRoute:
        case CountReason::EveryInterface:
        case CountReason::Chosen:
            return true;
        default:
            return false;
    }
}

const char* CountReasonText(CountReason reason) {
    switch (reason) {
        case CountReason::Hardware:
            return BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "hardware");
        case CountReason::DefaultRoute:
            return BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "default route");
        case CountReason::EveryInterface:
            return BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "every interface");
        case CountReason::Chosen:
            return BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "chosen");
        case CountReason::Virtual:
            return BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "virtual");
        case CountReason::NoDefaultRoute:
            return BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "no default route");
        case CountReason::NotChosen:
            return BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "not chosen");
        case CountReason::Loopback:
            return BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "loopback");
        case CountReason::Filter:
            return BYTELORA_TEXT_NOOP("bytelora::InterfaceText", "filter");
    }
    return "";
}

void InterfaceSelection::Choose(std::vector<std::string> names) {
    chosen_ = std::move(names);
    choiceChanged_ = true;
}

bool InterfaceSelection::SameInterfaces(const InterfaceTable& table) const {
    if (static_cast<std::size_t>(table.Count()) != keys_.size()) return false;
    std::size_t i = 0;
    for (const auto& row : table) {
        const Key& key = keys_[i++];
        if (!row) return false;
        if (row->InterfaceIndex() != key.index || row->OperationalStatus() != key.operStatus ||
            row->InterfaceName() != key.name || row->Alias() != key.alias) {
            return false;
        }
    }
    return true;
}

void InterfaceSelection::Update(const InterfaceTable& table) {
    if (!choiceChanged_ && SameInterfaces(table)) return;
    choiceChanged_ = false;
    keys_.clear();
    for (const auto& row : table) {
        Key key;
        if (row) {
            key = {row->InterfaceIndex(), row->OperationalStatus(), row->InterfaceName(),
                   row->Alias()};
        }
        keys_.push_back(std::move(key));
    }
    facts_.assign(keys_.size(), InterfaceFacts{});
    // The user's choice needs no facts; the automatic one asks the system once per change.
    if (probe_ && chosen_.empty()) {
        ++probes_;
        try {
            probe_->Probe(table, facts_);
        } catch (...) {
            facts_.clear();
        }
        // A probe that could not answer for every row knows nothing for any of them.
        if (facts_.size() != keys_.size()) facts_.assign(keys_.size(), InterfaceFacts{});
    }
    Decide(table);
}

void InterfaceSelection::Decide(const InterfaceTable& table) {
    reasons_.assign(keys_.size(), CountReason::Loopback);
    // Rows that can never count, whatever the choice.
    std::vector<bool> eligible(keys_.size(), false);
    std::size_t i = 0;
    for (const auto& row : table) {
        const std::size_t at = i++;
        if (!row) continue;
        if (row->InterfaceType() == kIfTypeLoopback) continue;
        if (facts_[at].filter || !CountsTowardTotals(table, *row)) {
            reasons_[at] = CountReason::Filter;
            continue;
        }
        eligible[at] = true;
    }

    if (!chosen_.empty()) {
        for (std::size_t at = 0; at < keys_.size(); ++at) {
            if (!eligible[at]) continue;
            const Key& key = keys_[at];
            const bool chosen =
                std::find_if(chosen_.begin(), chosen_.end(), [&](const std::string& name) {
                    return name == key.name || (!key.alias.empty() && name == key.alias);
                }) != chosen_.end();
            reasons_[at] = chosen ? CountReason::Chosen : CountReason::NotChosen;
        }
        return;
    }

    bool anyHardware = false;
    bool anyRoute = false;
    for (std::size_t at = 0; at < keys_.size(); ++at) {
        if (!eligible[at]) continue;
        anyHardware = anyHardware || facts_[at].hardware;
        anyRoute = anyRoute || facts_[at].defaultRoute;
    }
    rule_ = anyHardware ? AutomaticRule::Hardware
            : anyRoute  ? AutomaticRule::DefaultRoute
                        : AutomaticRule::EveryInterface;
    for (std::size_t at = 0; at < keys_.size(); ++at) {
        if (!eligible[at]) continue;
        switch (rule_) {
            case AutomaticRule::Hardware:
                reasons_[at] = facts_[at].hardware ? CountReason::Hardware : CountReason::Virtual;
                break;
            case AutomaticRule::DefaultRoute:
                reasons_[at] = facts_[at].defaultRoute ? CountReason::DefaultRoute
                                                       : CountReason::NoDefaultRoute;
                break;
            case AutomaticRule::EveryInterface:
                reasons_[at] = CountReason::EveryInterface;
                break;
        }
    }
}

CountReason InterfaceSelection::Reason(std::size_t position) const {
    return position < reasons_.size() ? reasons_[position] : CountReason::NotChosen;
}

}  // namespace bytelora
