#include "netstats/InterfaceText.h"

namespace bytelora {

// The kernel reports IFLA_OPERSTATE, which the table carries as RFC 2863 values.
std::string OperationalStatusText(unsigned status) {
    return Rfc2863StatusText(status);
}

}  // namespace bytelora
