#include "countd/client/CountdClient.h"

#include <cstdlib>

namespace bytelora::countd {

std::string CountdSocketPath() {
    const char* path = std::getenv(kCountdSocketVariable);
    return path && *path ? path : DefaultCountdAddress();
}

}  // namespace bytelora::countd
