// libFuzzer entry for the rtnetlink link messages: built only by the fuzzing project.
#include <cstddef>
#include <cstdint>

#include "LinkMessageFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    bytelora::fuzz::RunLinkMessageInput(data, size);
    return 0;
}
