#pragma once

#include <cstddef>
#include <cstdint>

namespace bytelora::fuzz {

// Feeds one input to the interface table reader and checks what came out; a broken
// promise aborts the process, which both libFuzzer and the corpus replay take as a
// finding. The input is what a misbehaving GetIfTable could do:
//
//   byte  0      result of the size probe (50: the service does not exist)
//   bytes 1-4    size the probe asks for (little-endian)
//   byte  5      result of the fill call
//   bytes 6-9    size the fill call reports back
//   bytes 10-    the table image the fill call writes, as far as the buffer reaches
//
// The same table image is also handed to ParseIfTable directly, whatever its length.
void RunIfTableInput(const std::uint8_t* data, std::size_t size);

}  // namespace bytelora::fuzz
