#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace bytelora::testing {

// Every byte of a file as it lies on disk; empty when it cannot be read.
inline std::string ReadFileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace bytelora::testing
