#include "netstats/InterfaceText.h"

namespace bytelora {

// GetIfTable's rows carry IP Helper's own operational states, not RFC 2863's.
std::string OperationalStatusText(unsigned status) {
    return IpHelperStatusText(status);
}

}  // namespace bytelora
