#include "countd/protocol/FileText.h"

#include <fstream>

namespace bytelora::countd {

std::string ReadFileText(const std::string& path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::string text;
    text.resize(limit);
    in.read(text.data(), static_cast<std::streamsize>(limit));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

}  // namespace bytelora::countd
