#pragma once

#include <cstddef>
#include <string>

namespace bytelora::countd {

// The text of a small file, at most `limit` bytes of it; empty when it cannot be read.
// Both sides read files that someone else wrote (a client the start file the counter
// leaves beside its socket, the counter /proc), so neither reads more than it expects.
std::string ReadFileText(const std::string& path, std::size_t limit = 1 << 20);

}  // namespace bytelora::countd
