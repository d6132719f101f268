// libFuzzer entry for the counter's request parser and reply reader: built only by the
// fuzzing project.
#include <cstddef>
#include <cstdint>

#include "CountdRequestFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    bytelora::fuzz::RunCountdInput(data, size);
    return 0;
}
