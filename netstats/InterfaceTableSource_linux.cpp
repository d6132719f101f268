#include "netstats/InterfaceTableSource.h"

#include "netstats/LinuxInterfaceTable.h"

namespace bytelora {

std::unique_ptr<InterfaceTableSource> MakeSystemInterfaceTable() {
    return std::make_unique<LinuxInterfaceTable>();
}

}  // namespace bytelora
