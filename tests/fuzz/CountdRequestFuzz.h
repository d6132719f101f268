#pragma once

#include <cstddef>
#include <cstdint>

namespace bytelora::fuzz {

// Feeds one input to the counter's request parser as a client could send it, whole and
// byte by byte, and to the reply reader and the text escaping; a broken promise aborts.
void RunCountdInput(const std::uint8_t* data, std::size_t size);

}  // namespace bytelora::fuzz
