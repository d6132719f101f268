#pragma once

#include <exception>

#include "common/AppText.h"
#include "common/ErrorReport.h"
#include "common/MessageBoxes.h"

namespace bytelora {

// Runs a handler that has no error report box of its own: a failure is told in a plain
// box instead of escaping into Qt's event dispatch.
template <class Handler>
void RunWithFailureBox(MessageBoxes& boxes, Handler&& handler) {
    try {
        handler();
    } catch (...) {
        try {
            boxes.Show(AppTitle(), StatementGuard::DescribeFailure(std::current_exception()),
                       BoxIcon::Warning);
        } catch (...) {
            // Nothing is left to tell the user with; the event loop must go on.
        }
    }
}

}  // namespace bytelora
