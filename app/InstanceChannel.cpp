#include "app/InstanceChannel.h"

namespace bytelora {

int RequestLines::Take(std::string_view bytes) {
    pending_.append(bytes);
    int requests = 0;
    std::size_t lineStart = 0;
    for (std::size_t end = pending_.find('\n'); end != std::string::npos;
         end = pending_.find('\n', lineStart)) {
        const std::string_view line(pending_.data() + lineStart, end + 1 - lineStart);
        if (line == kRaiseRequest) ++requests;
        lineStart = end + 1;
    }
    pending_.erase(0, lineStart);
    return requests;
}

}  // namespace bytelora
