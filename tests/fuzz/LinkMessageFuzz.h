#pragma once

#include <cstddef>
#include <cstdint>

namespace bytelora::fuzz {

// Feeds one input, taken as the payload of an RTM_NEWLINK message (ifinfomsg and
// attributes), to the Linux link message parser; a broken promise aborts.
void RunLinkMessageInput(const std::uint8_t* data, std::size_t size);

}  // namespace bytelora::fuzz
