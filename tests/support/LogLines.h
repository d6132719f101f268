#pragma once

#include <string>
#include <vector>

namespace bytelora::testing {

// A history log cut at its CR LF line ends. `whole` is false when the text ends in part of
// a line, which a torn or interrupted append would leave behind.
struct LogLines {
    std::vector<std::string> lines;
    bool whole = true;
};

inline LogLines SplitLogLines(const std::string& text) {
    LogLines result;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            result.whole = false;
            result.lines.push_back(text.substr(start));
            break;
        }
        result.lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return result;
}

}  // namespace bytelora::testing
