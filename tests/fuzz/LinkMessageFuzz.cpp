#include "LinkMessageFuzz.h"

#include <linux/rtnetlink.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>

#include "netstats/LinuxLinkMessage.h"

namespace bytelora::fuzz {

void RunLinkMessageInput(const std::uint8_t* data, std::size_t size) {
    // A copy of exactly the input's size, so that a read past the end is caught even
    // where the fuzzer's own buffer would be larger.
    auto payload = std::make_unique<std::uint8_t[]>(size);
    if (size > 0) std::copy(data, data + size, payload.get());
    LinkMessage message;
    const bool parsed = ParseLinkMessage({payload.get(), size}, message);
    if (parsed != (size >= sizeof(ifinfomsg))) {
        std::fprintf(stderr,
                     "link message parser: a message is parsed exactly when it holds "
                     "the ifinfomsg\n");
        std::abort();
    }
    if (parsed && message.record.AdapterAddress().size() > 3 * 8) {
        std::fprintf(stderr, "link message parser: an address longer than any link has\n");
        std::abort();
    }
}

}  // namespace bytelora::fuzz
