#pragma once

#include <gtest/gtest.h>

#include <string>

namespace bytelora::testing {

// The text of the `Error` that `call` throws; a test failure (and empty text) when it throws
// nothing.
template <typename Error, typename Call>
std::string RefusalText(Call call) {
    try {
        call();
    } catch (const Error& error) {
        return error.what();
    }
    ADD_FAILURE() << "no failure reported";
    return {};
}

}  // namespace bytelora::testing
