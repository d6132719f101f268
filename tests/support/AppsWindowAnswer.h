#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>

#include "views/AppsWindow.h"

namespace bytelora::testing {

// The Applications window asks the counter on a thread of its own: this runs the event
// loop until its question is answered and shown (or a generous bound passes).
inline void WaitForAppsAnswer(const AppsWindow& window) {
    QElapsedTimer waited;
    waited.start();
    while (window.Asking() && waited.elapsed() < 10000) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_FALSE(window.Asking()) << "the counter's answer never reached the window";
}

}  // namespace bytelora::testing
