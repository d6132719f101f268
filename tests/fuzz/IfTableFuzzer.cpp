// libFuzzer entry: built only by the fuzzing project in this folder (clang).
#include <cstddef>
#include <cstdint>

#include "IfTableFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    bytelora::fuzz::RunIfTableInput(data, size);
    return 0;
}
